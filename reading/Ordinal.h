// An ordinal written as a number or a Roman numeral with a period, before the noun it counts:
// "3. den" třetí den, "na 2. místě" na druhém místě, "2. světová válka" druhá světová válka,
// "XXI. století" dvacáté první století.
#pragma once

#include <cstddef>
#include <cstdint>

#include "reading/Tokens.h"

namespace vokadlo {

// Reads tokens [first, dot] (the number, the period at `dot`) as the ordinal `value` (1..1000)
// agreeing with the word two tokens after the period (past up to two adjectives) and the
// preposition before `first`; with `knownNounOnly`, only before a noun of the dictionary.
// Returns false, leaving the tokens, when it cannot.
bool ReadOrdinal(TTokenList& list, std::size_t first, std::size_t dot, std::uint64_t value,
                 bool knownNounOnly);

}  // namespace vokadlo
