// The allophone table: a letter's recording depends on the character after it.
#include "prosody/Allophones.h"

#include <cstddef>
#include <string_view>

#include "core/Cp1250Literal.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

struct TAllophoneRow {
    std::string_view Letters;  // L, the unit's `Letter`
    TCondition When;
    TCondition AndWhen;
    std::string_view Sample;  // the recording the unit plays instead
};

// The first matching row wins. Letters and sets in code page 1250.
// clang-format off
constexpr TAllophoneRow kAllophones[] = {
    // L     condition                    and                  Sample
    {"-",    Always,                      Always,              "-"},
    {"b",    NextIn("sš"_cp),             Always,              "p"},
    {"d",    NextIn("dkt"),               Always,              "t"},
    {"d",    NextIn("iěí"_cp),            Always,              "ď"_cp},
    {"k",    LaterUnit,                   NextIn(kPauseMarks), "kk"},
    {"l",    NextIn(" !,.?ikou~íóůú"_cp), Always,              "lu"},
    {"n",    NextIn("iěí"_cp),            Always,              "ň"_cp},
    {"p",    NextIn(kPauseMarks),         Always,              "pk"},
    {"q",    Always,                      Always,              "k"},
    {"t",    NextIn("iěí"_cp),            Always,              "ť"_cp},
    {"v",    NextIn(" !,.?_ks~š"_cp),     Always,              "f"},
    {"y",    Always,                      Always,              "i"},
    {"z",    NextIn("p"),                 Always,              "s"},
    {"ž"_cp, NextIn("k"),                 Always,              "š"_cp},
    {"ö"_cp, Always,                      Always,              "é"_cp},
    {"ü"_cp, Always,                      Always,              "i"},
    {"ý"_cp, Always,                      Always,              "í"_cp},
};
// clang-format on

}  // namespace

void ChooseAllophones(TSayWord& word) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        char letter = FirstChar(unit.Letter);
        for (const TAllophoneRow& row : kAllophones) {
            if (InSet(letter, row.Letters) && Holds(row.When, unit, i + 1) &&
                Holds(row.AndWhen, unit, i + 1)) {
                unit.Sample = row.Sample;
                break;
            }
        }
    }
}

}  // namespace vokadlo
