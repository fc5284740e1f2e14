// The syntax of a number that is read as words.
#pragma once

#include <string_view>

namespace vokadlo {

// True when `text` is a number: leading spaces, an optional "-" or "+", digits, optionally "."
// and digits, optionally "e"/"E" with an optional sign and at least one digit, and nothing
// after it. Digits may be missing on both sides of the point ("." is 0, "5." is 5, ".5" is
// 0.5, "e5" is 0). Values whose two-decimal form has more than 12 integer digits (10^12 and
// above, either sign) are not numbers: their digits are read one by one. `value` is set only
// when the result is true.
bool IsNumber(std::string_view text, double& value);

}  // namespace vokadlo
