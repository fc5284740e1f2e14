// The value of a set-parameter call and its conversions.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace vokadlo {

// An integer, a boolean or a text, as the host passes it.
using TSayParamValue = std::variant<std::int64_t, bool, std::string>;

// Conversions; each throws EConvertError (core/ParseInt.h) when the value cannot be converted.
// Integer: an integer within 32 bits; a boolean as -1 (true) or 0; a text holding an optional
// sign and digits. Boolean: an integer is true when non-zero; a text "true"/"false" in any case,
// or an integer text. Text: an integer in decimal; a boolean as "True" or "False".
std::int32_t ToInteger(const TSayParamValue& value);
bool ToBoolean(const TSayParamValue& value);
std::string ToText(const TSayParamValue& value);

}  // namespace vokadlo
