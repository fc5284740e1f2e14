// The Czech names of the letters, which the engine's spelling and SSML's say-as read. Code page
// 1250.
#pragma once

#include <string>

namespace vokadlo {

// The Czech name of the letter `c` (looked up in lower case: "k" and "K" give "ká"); a
// character without a name (such as "u", "ť", digits, punctuation) is returned unchanged.
std::string LetterName(char c);

}  // namespace vokadlo
