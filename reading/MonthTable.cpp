// The months' names in the cases a date takes; the genitive comes from CLDR.
#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/Grammar.h"

namespace vokadlo {

namespace {

// Nominative, genitive (empty: CLDR's), dative, accusative, locative, instrumental.
constexpr std::string_view kMonths[12][6] = {
    {"leden", "", "lednu", "leden", "lednu", "lednem"},
    {"únor"_cp, "", "únoru"_cp, "únor"_cp, "únoru"_cp, "únorem"_cp},
    {"březen"_cp, "", "březnu"_cp, "březen"_cp, "březnu"_cp, "březnem"_cp},
    {"duben", "", "dubnu", "duben", "dubnu", "dubnem"},
    {"květen"_cp, "", "květnu"_cp, "květen"_cp, "květnu"_cp, "květnem"_cp},
    {"červen"_cp, "", "červnu"_cp, "červen"_cp, "červnu"_cp, "červnem"_cp},
    {"červenec"_cp, "", "červenci"_cp, "červenec"_cp, "červenci"_cp, "červencem"_cp},
    {"srpen", "", "srpnu", "srpen", "srpnu", "srpnem"},
    {"září"_cp, "", "září"_cp, "září"_cp, "září"_cp, "zářím"_cp},
    {"říjen"_cp, "", "říjnu"_cp, "říjen"_cp, "říjnu"_cp, "říjnem"_cp},
    {"listopad", "", "listopadu", "listopad", "listopadu", "listopadem"},
    {"prosinec", "", "prosinci", "prosinec", "prosinci", "prosincem"},
};

}  // namespace

std::string_view MonthName(int month, TGramCase gramCase) {
    if (month < 1 || month > 12) {
        return {};
    }
    if (gramCase == TGramCase::Genitive) {
        return MonthGenitive(month);
    }
    return kMonths[month - 1][static_cast<std::size_t>(gramCase)];
}

TMonthForm FindMonth(std::string_view word) {
    if (word.size() < 4 || word.size() > 9) {
        return {};
    }
    const std::string lower = LowerCase(word);
    // The genitive first: a date's month is most often in it ("září" in every case).
    for (int c : {1, 0, 2, 3, 4, 5}) {
        for (int m = 1; m <= 12; ++m) {
            if (MonthName(m, static_cast<TGramCase>(c)) == lower) {
                return {m, static_cast<TGramCase>(c)};
            }
        }
    }
    return {};
}

}  // namespace vokadlo
