// What a number counts, read from the tokens after it: a unit, a currency, a counted word
// ("ks", "tis."), a price per unit ("Kč/kg"), and the case a preposition before it asks for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "reading/PassTools.h"
#include "reading/Quantity.h"
#include "reading/Tokens.h"

namespace vokadlo {

// A currency symbol written before its number ("$5", "€ 5", "£5") at token i, or nullptr.
const TCurrencyName* CurrencySymbol(const TTokenList& list, std::size_t i);

struct TCountedMatch {
    std::size_t end = 0;  // the token after what was matched
    TCounted counted;
    bool keepPeriod = false;  // the abbreviation's period also ends the sentence
};

// The longest unit, currency or counted word written from token k on (at most five tokens, a
// space only after a number inside, ending at a word boundary); scales ("mil.") only when
// `scalesToo`.
std::optional<TCountedMatch> MatchCounted(const TTokenList& list, std::size_t k, bool scalesToo);

// "za kilogram", "za kus", "za hodinu": one of the unit, in the accusative.
std::string PerUnit(const TCounted& by);

// True when something is counted.
bool CountsSomething(const TCounted& c);

// The case a preposition asks for, corrected by what follows the number where it is plain:
// "v 5 hodin" (accusative), "na 5 místech" (locative), "přijď v 5" (an hour).
TGramCase CaseFor(const TTokenList& list, const TPrepositionBefore& prep, const TCounted& counted,
                  std::size_t noun);

}  // namespace vokadlo
