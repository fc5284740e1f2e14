// An ordinal written as a number or a Roman numeral with a period, before the noun it counts:
// "3. den" třetí den, "na 2. místě" na druhém místě, "2. světová válka" druhá světová válka,
// "XXI. století" dvacáté první století, "ve 2. pol." ve druhé polovině.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "reading/CldrTables.h"
#include "reading/Tokens.h"

namespace vokadlo {

struct TOrdinalForm {
    TGender gender = TGender::Inanimate;
    TGramCase gramCase = TGramCase::Nominative;
    bool plural = false;
    // An abbreviated noun after the period ("pol.", "stol."): its words in the case, and the
    // token after its own period.
    std::string noun;
    std::size_t nounEnd = 0;
};

// The form of an ordinal whose period is at `dot`, from the word two tokens after the period
// (past up to two adjectives) and from what stands before `first`, where the phrase begins (a
// preposition, a noun whose genitive it is); with `knownNounOnly`, only before a noun of the
// dictionary. Nothing when there is no word to agree with.
std::optional<TOrdinalForm> OrdinalFormAt(const TTokenList& list, std::size_t first,
                                          std::size_t dot, bool knownNounOnly);

// True for a noun written abbreviated after an ordinal ("75. km", "20. stol.").
bool IsAbbreviatedNoun(std::string_view word);

// Reads tokens [first, dot] (the number, the period at `dot`) as the ordinal `value` (1..1000)
// in the form OrdinalFormAt finds. Returns false, leaving the tokens, when it cannot.
bool ReadOrdinal(TTokenList& list, std::size_t first, std::size_t dot, std::uint64_t value,
                 bool knownNounOnly);

}  // namespace vokadlo
