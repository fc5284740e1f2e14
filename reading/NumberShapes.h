// Numbers of particular shapes the number pass reads whole: telephone numbers and postal codes
// group by group, "3x" as "třikrát", "5letý" as one word, coordinated ordinals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reading/Tokens.h"

namespace vokadlo {

// Words an ordinal does not stand before: the forms of "být" and words of one or two letters.
bool IsVerbOrShortWord(std::string_view word);

// "jednou", "dvakrát", "třikrát", "pětkrát".
std::string TimesWords(std::uint64_t n);

// A telephone number in groups ("603 123 456", "+420 603 123 456", "tel. 2 2451 1111") or a
// postal code ("110 00 Praha") whose first group is token i (the number begins at `first`, at
// its "+" when `plus`), read group by group with a pause between. False when it is none.
bool ReadPhone(TTokenList& list, std::size_t first, std::size_t i, bool plus);

// "5letý", "5-letá", "20procentní" (the number at i, the adjective at `word`): the number's
// genitive joined to the adjective ("pětiletý", "dvacetiprocentní").
bool ReadCompound(TTokenList& list, std::size_t i, std::size_t word);

// "1. a 2. pololetí", "3. až 5. třída" (the first ordinal from `first` to its period at `dot`):
// both ordinals in the form the noun after the second asks for.
bool ReadCoordinatedOrdinal(TTokenList& list, std::size_t first, std::size_t dot,
                            std::uint64_t value);

}  // namespace vokadlo
