// The lenient integer conversion of tag values, settings-store values and piano notes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace vokadlo {

// Raised when a value cannot be converted (a lone "-", a number outside 32 bits).
class EConvertError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Strict reading: an optional sign and ASCII digits, nothing else, within 32 bits.
bool TryParseInt32(std::string_view text, std::int32_t& value);

// Lenient reading: the whole value if it is a valid integer; 0 for an empty value; otherwise
// the first character if it is "-" or a digit, followed by the digits from the second character
// on ("12abc" -> 12, "abc" -> 0, "a12" -> 12). Throws EConvertError when that digit string is a
// lone "-" or outside the 32-bit range. At most 255 characters are considered.
std::int32_t ParseInt(std::string_view value);

}  // namespace vokadlo
