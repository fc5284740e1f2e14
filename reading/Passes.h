// The reading stage's passes, in the order ReadAsCzech runs them over each stretch of text. Each
// rewrites runs of tokens it is sure of into Read tokens (TTokenList::Replace) and leaves the
// rest as it is, so the engine's own rules still read it; none touches Tag or Read tokens
// (a preposition before a number may take its vocalised form: "s" -> "se").
// Each lives in its own file and can be called alone on a token list.
#pragma once

#include <string_view>

#include "reading/Tokens.h"

namespace vokadlo {

using TReadingPass = void (*)(TTokenList& tokens);

struct TNamedPass {
    std::string_view name;
    TReadingPass run;
};

// "25. 12. 2026", "25. prosince 2026", "2026-12-08", "10:30", "7.15 h".
void ReadDatesAndTimes(TTokenList& tokens);
// Cardinals and ordinals with what follows them: units, currencies, percent, degrees,
// decimals, fractions, the case a preposition before them asks for; Roman numerals before a
// noun ("XXI. století").
void ReadNumbers(TTokenList& tokens);
// "atd.", "např.", "Ing.", "s. r. o." from a table.
void ReadAbbreviations(TTokenList& tokens);
// Roman numerals after a ruler's name: "Karel IV.", "Jan Pavel II.", "Karla IV.".
void ReadRomanNumerals(TTokenList& tokens);
// E-mail and web addresses by their parts.
void ReadAddresses(TTokenList& tokens);
// Letters of other scripts transliterated; emoji and symbols by their Czech names.
void ReadOtherScripts(TTokenList& tokens);

// The passes in their fixed order.
inline constexpr TNamedPass kReadingPasses[] = {
    {"dates and times", ReadDatesAndTimes}, {"numbers", ReadNumbers},
    {"abbreviations", ReadAbbreviations},   {"names with Roman numerals", ReadRomanNumerals},
    {"addresses", ReadAddresses},           {"other scripts and symbols", ReadOtherScripts},
};

}  // namespace vokadlo
