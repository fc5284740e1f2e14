// Czech cardinal and ordinal numbers as words, in the gender and case a sentence asks for
// ("pět" "pěti", "dva" "dvě" "dvěma", "třetí" "třetímu", "dvacátá první"). Words are code page
// 1250, separated by single spaces, without a leading or trailing space; every call allocates
// its result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reading/CldrTables.h"

namespace vokadlo {

// The largest cardinal read as words (twelve digits).
inline constexpr std::uint64_t kMaxCardinal = 999'999'999'999;

// How a cardinal agrees with what it counts.
struct TNumberForm {
    TGender gender = TGender::Inanimate;
    TGramCase gramCase = TGramCase::Nominative;
    // Counting, without a noun: "jedna", "dva" (the gender is then ignored in the nominative).
    bool counting = false;
};

// The Czech plural category of a whole number: One (1), Few (2-4), Other (0, 5 and more).
TPlural PluralOf(std::uint64_t n);

// The words of n (0..kMaxCardinal) in the given form; empty beyond kMaxCardinal.
// 1999 -> "tisíc devět set devadesát devět"; 2 feminine dative -> "dvěma".
std::string CardinalWords(std::uint64_t n, const TNumberForm& form = {.counting = true});

// The ordinal words of n (1..1000) in the gender, case and number; empty outside that range.
// 21 feminine nominative -> "dvacátá první"; 3 neuter locative -> "třetím"; 90 neuter plural
// locative -> "devadesátých".
std::string OrdinalWords(unsigned n, TGender gender, TGramCase gramCase, bool plural = false);

// Appends a word to `out`, with a space before it when `out` does not end in one or is empty.
void AppendWord(std::string& out, std::string_view word);

}  // namespace vokadlo
