// The pause table: silence before a sound, by the sound and the character before it.
#include <string_view>

#include "prosody/TimingTables.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

struct TPauseRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    TCondition When;          // usually a test of P, the character before the unit
    TMsValue Pause;
};

constexpr TMsValue kCommaPause = FromSetting(&TEngineSettings::CommaPauseLength);
constexpr TMsValue kPeriodPause = FromSetting(&TEngineSettings::PeriodPauseLength);

// Rows of one sound are together; the first row whose sound and condition match wins, and a
// sound without rows keeps its pause. Code page 1250.
// clang-format off
constexpr TPauseRow kPauseTable[] = {
    // S               P (or N)                               Pause
    {",",              Always,                                kCommaPause},
    {".",              Always,                                kPeriodPause},
    {"a\xE1",          PrevIn(" ~"),                          Ms(100)},      // a á
    {"a\xE1",          PrevIn("i"),                           Ms(60)},
    {"a\xE1",          Always,                                Ms(0)},
    {"c",              PrevIn("a"),                           Ms(20)},
    {"c",              PrevIn("k"),                           Ms(100)},
    {"c",              Always,                                Ms(10)},
    {"\xE8",           PrevIn(" "),                           kUnchanged},   // č
    {"\xE8",           PrevIn("a"),                           Ms(20)},
    {"\xE8",           PrevIn("k"),                           Ms(100)},
    {"\xE8",           PrevIn("u"),                           Ms(70)},
    {"\xE8",           Always,                                Ms(10)},
    {"d",              PrevIn("k"),                           Ms(50)},
    {"d",              Always,                                Ms(0)},
    {"f",              PrevIn(" "),                           Ms(0)},
    {"f",              PrevIn("l"),                           Ms(80)},
    {"f",              Always,                                Ms(20)},
    {"g",              Always,                                Ms(0)},
    {"h",              PrevIn(" ae\xE1\xE9\xEC"),             Ms(40)},       // á é ě
    {"h",              Always,                                Ms(0)},
    {"i",              PrevIn("\xF8"),                        Ms(35)},       // ř
    {"i",              Always,                                Ms(0)},
    {"j",              PrevIn("u"),                           Ms(20)},
    {"j",              PrevIn(" ae\xE1\xEC"),                 kUnchanged},   // á ě
    {"j",              Always,                                Ms(0)},
    {"k",              PrevIn(" "),                           kUnchanged},
    {"k",              PrevIn("dhnrst"),                      Ms(100)},
    {"k",              PrevIn("ou"),                          Ms(70)},
    {"k",              PrevIn("v"),                           Ms(50)},
    {"k",              Always,                                Ms(40)},
    {"l",              PrevIn("s"),                           Ms(10)},
    {"l",              PrevIn("ditu\xF9"),                    Ms(20)},       // ů
    {"l",              PrevIn("h"),                           Ms(40)},
    {"l",              Always,                                kUnchanged},
    {"m",              PrevIn(" \xED"),                       kUnchanged},   // í
    {"m",              PrevIn("j"),                           Ms(30)},
    {"m",              Always,                                Ms(40)},
    {"n",              PrevIn(" ae\xE1\xEC"),                 kUnchanged},   // á ě
    {"n",              PrevIn("i"),                           Ms(0)},
    {"n",              PrevIn("rt"),                          Ms(55)},
    {"n",              PrevIn("\xE9"),                        Ms(20)},       // é
    {"n",              Always,                                Ms(30)},
    {"o",              PrevIn("kn"),                          Ms(15)},
    {"o",              Always,                                Ms(0)},
    {"p",              PrevIn(" "),                           kUnchanged},
    {"p",              Always,                                Ms(70)},
    {"r",              PrevIn(" o"),                          kUnchanged},
    {"r",              PrevIn("b"),                           Ms(35)},
    {"r",              PrevIn("p"),                           Ms(20)},
    {"r",              Always,                                Ms(50)},
    {"\xF8",           PrevIn(" i"),                          kUnchanged},   // ř
    {"\xF8",           PrevIn("p"),                           Ms(40)},
    {"\xF8",           PrevIn("t"),                           Ms(20)},
    {"\xF8",           Always,                                Ms(50)},
    {"sz",             PrevIn("i"),                           Ms(5)},
    {"sz",             Always,                                Ms(20)},
    {"t\x9D",          PrevIn(" "),                           Ms(0)},        // t ť
    {"t\x9D",          PrevIn("f"),                           Ms(40)},
    {"t\x9D",          PrevIn("js\x9A"),                      Ms(80)},       // š
    {"t\x9D",          PrevIn("t"),                           Ms(20)},
    {"t\x9D",          Always,                                Ms(50)},
    {"u\xF9\xFA",      PrevIn(" k~"),                         Ms(0)},        // u ů ú
    {"u\xF9\xFA",      NextIn("\x9A"),                        Ms(40)},       // N š
    {"u\xF9\xFA",      Always,                                Ms(0)},
    {"v",              PrevIn(" "),                           kUnchanged},
    {"v",              PrevIn("aiou\xE1\xE9\xED\xF3\xF9\xFA"), Ms(40)},      // á é í ó ů ú
    {"v",              Always,                                Ms(20)},
};
// clang-format on

}  // namespace

std::int32_t TablePause(const TCharacter& unit) {
    char sound = Sound(unit);
    for (const TPauseRow& row : kPauseTable) {
        if (InSet(sound, row.Sounds) && Holds(row.When, unit)) {
            return Resolve(row.Pause, unit.Pause);
        }
    }
    return unit.Pause;  // any other sound
}

}  // namespace vokadlo
