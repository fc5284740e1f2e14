// The table of abbreviations the reading stage expands ("např." -> "například").
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vokadlo {

enum class TAbbreviationUse : std::uint8_t {
    MayEndSentence,  // "atd.": its period may also end the sentence
    BeforeWord,      // "např.", "Ing.": a word always follows, the period never ends a sentence
    AgreesWithNext,  // "sv.", "tzv.": masculine, feminine, neuter by the noun that follows
    BeforeNumber,    // "s. 45", "r. 1999": only before a number
};

struct TAbbreviation {
    std::string_view written;  // code page 1250; parts end in "." and a space may follow each
    TAbbreviationUse use;
    // By case (nominative ... instrumental); a single form is invariant. For AgreesWithNext the
    // nominative masculine, feminine and neuter.
    std::string_view forms[6];
};

// Every row, longest written forms not guaranteed first.
std::span<const TAbbreviation> Abbreviations();

// The feminine of a title given by its masculine nominative ("inženýr" -> "inženýrka" ...), by
// case; nullptr when the word has none in the table.
const std::string_view* FeminineTitle(std::string_view masculine);

}  // namespace vokadlo
