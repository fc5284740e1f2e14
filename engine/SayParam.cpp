#include "engine/SayParam.h"

#include "core/CodePage.h"
#include "core/ParseInt.h"

namespace vokadlo {

std::int32_t ToInteger(const TSayParamValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        if (*i < INT32_MIN || *i > INT32_MAX) {
            throw EConvertError("integer value out of range: " + std::to_string(*i));
        }
        return static_cast<std::int32_t>(*i);
    }
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? -1 : 0;
    }
    const std::string text = Trim(std::get<std::string>(value));
    std::int32_t result = 0;
    if (!TryParseInt32(text, result)) {
        throw EConvertError("'" + std::get<std::string>(value) + "' is not a valid integer");
    }
    return result;
}

bool ToBoolean(const TSayParamValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return *i != 0;
    }
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b;
    }
    const std::string text = LowerCase(Trim(std::get<std::string>(value)));
    if (text == "true") {
        return true;
    }
    if (text == "false") {
        return false;
    }
    std::int32_t number = 0;
    if (TryParseInt32(text, number)) {
        return number != 0;
    }
    throw EConvertError("'" + std::get<std::string>(value) + "' is not a valid boolean");
}

std::string ToText(const TSayParamValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*i);
    }
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? "True" : "False";
    }
    return std::get<std::string>(value);
}

}  // namespace vokadlo
