// What the words around a number say about its form: the case a preposition asks for, the
// gender and case of the noun an ordinal or a count stands before. Hand-written tables (the
// field's data lacks them); lookups take code page 1250 words in any letter case and allocate
// nothing beyond a short lower-cased copy.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/CldrTables.h"

namespace vokadlo {

// The case a preposition asks for before a number ("do" genitive, "s" instrumental, "na"
// accusative); nothing when the word is no preposition of the table.
std::optional<TGramCase> PrepositionCase(std::string_view word);

// The preposition as said before `next` (the first word of the number that follows): "s"
// becomes "se" before "dvěma", "v" "ve" before "třech", "k" "ke" before "dvěma". Other words
// stay as written.
std::string_view VocalisedPreposition(std::string_view preposition, std::string_view next);

// A noun form read from the dictionary of the nouns commonest after ordinals and counts.
struct TNounForm {
    TGender gender;
    TGramCase gramCase;
    bool plural;
    // A plural form with its case known ("letech"), which an ordinal agrees with in the plural
    // ("v 90. letech" v devadesátých letech).
    bool countedPlural = false;
    // Other cases the same form may stand in (a bit per TGramCase), e.g. "dni" genitive and
    // dative and locative.
    unsigned cases;
};

// The noun form of `word` ("století" neuter, "třídě" feminine dative or locative); when it
// stands for several cases, `preferred` picks among them if it is one. Nothing when the word is
// not in the dictionary.
std::optional<TNounForm> FindNoun(std::string_view word, std::optional<TGramCase> preferred);

// The singular form in the case of a dictionary noun given in the nominative ("polovina"
// locative -> "polovině"); empty when the noun is not in the dictionary.
std::string_view NounCaseForm(std::string_view nominative, TGramCase gramCase);

// A guess at the gender of a noun outside the dictionary from its ending, given whether it is
// counted by one ("žena" feminine, "dítě" neuter) or by two to four ("ženy" feminine, "auta"
// neuter).
TGender GuessGender(std::string_view word, bool plural);

// True when the word is a form of an adjective ("světová", "druhé"), which an ordinal may stand
// before on its way to the noun.
bool LooksLikeAdjective(std::string_view word);

// The month (1..12) a word names in any case ("ledna", "prosinci"), with the case; 0 when none.
struct TMonthForm {
    int month = 0;
    TGramCase gramCase = TGramCase::Nominative;
};
TMonthForm FindMonth(std::string_view word);

// The month's name in the case (1..12), code page 1250.
std::string_view MonthName(int month, TGramCase gramCase);

}  // namespace vokadlo
