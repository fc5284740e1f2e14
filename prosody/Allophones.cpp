// The allophone table: a letter's recording depends on the character after it.
#include "prosody/Allophones.h"

#include <cstddef>
#include <string_view>

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
    // L         condition                                            Sample
    {"-",    Always,                             Always,              "-"},
    {"b",    NextIn("s\x9A"),                    Always,              "p"},     // s š
    {"d",    NextIn("dkt"),                      Always,              "t"},
    {"d",    NextIn("i\xEC\xED"),                Always,              "\xEF"},  // i ě í -> ď
    {"k",    LaterUnit,                          NextIn(kPauseMarks), "kk"},
    {"l",    NextIn(" !,.?ikou~\xED\xF3\xF9\xFA"), Always,            "lu"},    // í ó ů ú
    {"n",    NextIn("i\xEC\xED"),                Always,              "\xF2"},  // i ě í -> ň
    {"p",    NextIn(kPauseMarks),                Always,              "pk"},
    {"q",    Always,                             Always,              "k"},
    {"t",    NextIn("i\xEC\xED"),                Always,              "\x9D"},  // i ě í -> ť
    {"v",    NextIn(" !,.?_ks~\x9A"),            Always,              "f"},     // š
    {"y",    Always,                             Always,              "i"},
    {"z",    NextIn("p"),                        Always,              "s"},
    {"\x9E", NextIn("k"),                        Always,              "\x9A"},  // ž -> š
    {"\xF6", Always,                             Always,              "\xE9"},  // ö -> é
    {"\xFC", Always,                             Always,              "i"},     // ü
    {"\xFD", Always,                             Always,              "\xED"},  // ý -> í
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
