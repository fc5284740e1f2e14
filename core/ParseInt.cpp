#include "core/ParseInt.h"

#include <string>

#include "core/CodePage.h"

namespace vokadlo {

bool TryParseInt32(std::string_view text, std::int32_t& value) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            return false;
        }
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > 2147483648LL) {
            return false;
        }
    }
    const std::int64_t signed_value = negative ? -magnitude : magnitude;
    if (signed_value > INT32_MAX || signed_value < INT32_MIN) {
        return false;
    }
    value = static_cast<std::int32_t>(signed_value);
    return true;
}

std::int32_t ParseInt(std::string_view value) {
    std::int32_t result = 0;
    if (TryParseInt32(value, result)) {
        return result;
    }
    if (value.empty()) {
        return 0;
    }
    const std::string_view considered = value.substr(0, 255);
    std::string digits;
    if (considered[0] == '-' || IsDigit(considered[0])) {
        digits += considered[0];
    }
    for (std::size_t i = 1; i < considered.size() && IsDigit(considered[i]); ++i) {
        digits += considered[i];
    }
    if (digits.empty()) {
        return 0;
    }
    if (!TryParseInt32(digits, result)) {
        throw EConvertError("'" + digits + "' is not a valid integer value");
    }
    return result;
}

}  // namespace vokadlo
