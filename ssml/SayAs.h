// <say-as>: the enclosed text rewritten in the form the reading stage and the engine's own rules
// read as it is meant ("25. 12. 2026" for a date, which the reading stage reads as a date, an
// ordinal in words, letters by their names as the engine spells).
#pragma once

#include <string>
#include <string_view>

namespace vokadlo::ssml {

// The text to read for `text` (UTF-8) said as `interpretAs` (characters, spell-out, letters,
// cardinal, number, ordinal, digits, date, time, telephone, currency) with the date's or time's
// `format` ("dmy", "mdy", "ymd", "dm", "md", "my", "ym", "d", "m", "y"; "hms", "hm"). A kind it
// does not know, or a text that does not fit the kind, is read as written.
std::string SayAs(std::string_view text, std::string_view interpretAs, std::string_view format);

}  // namespace vokadlo::ssml
