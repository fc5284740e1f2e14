// The pause table: silence before a sound, by the sound and the character before it.
#include <string_view>

#include "core/Cp1250Literal.h"
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
    // S       P (or N)                 Pause
    {",",      Always,                  kCommaPause},
    {".",      Always,                  kPeriodPause},
    {"aá"_cp,  PrevIn(" ~"),            Ms(100)},
    {"aá"_cp,  PrevIn("i"),             Ms(60)},
    {"aá"_cp,  Always,                  Ms(0)},
    {"c",      PrevIn("a"),             Ms(20)},
    {"c",      PrevIn("k"),             Ms(100)},
    {"c",      Always,                  Ms(10)},
    {"č"_cp,   PrevIn(" "),             kUnchanged},
    {"č"_cp,   PrevIn("a"),             Ms(20)},
    {"č"_cp,   PrevIn("k"),             Ms(100)},
    {"č"_cp,   PrevIn("u"),             Ms(70)},
    {"č"_cp,   Always,                  Ms(10)},
    {"d",      PrevIn("k"),             Ms(50)},
    {"d",      Always,                  Ms(0)},
    {"f",      PrevIn(" "),             Ms(0)},
    {"f",      PrevIn("l"),             Ms(80)},
    {"f",      Always,                  Ms(20)},
    {"g",      Always,                  Ms(0)},
    {"h",      PrevIn(" aeáéě"_cp),     Ms(40)},
    {"h",      Always,                  Ms(0)},
    {"i",      PrevIn("ř"_cp),          Ms(35)},
    {"i",      Always,                  Ms(0)},
    {"j",      PrevIn("u"),             Ms(20)},
    {"j",      PrevIn(" aeáě"_cp),      kUnchanged},
    {"j",      Always,                  Ms(0)},
    {"k",      PrevIn(" "),             kUnchanged},
    {"k",      PrevIn("dhnrst"),        Ms(100)},
    {"k",      PrevIn("ou"),            Ms(70)},
    {"k",      PrevIn("v"),             Ms(50)},
    {"k",      Always,                  Ms(40)},
    {"l",      PrevIn("s"),             Ms(10)},
    {"l",      PrevIn("dituů"_cp),      Ms(20)},
    {"l",      PrevIn("h"),             Ms(40)},
    {"l",      Always,                  kUnchanged},
    {"m",      PrevIn(" í"_cp),         kUnchanged},
    {"m",      PrevIn("j"),             Ms(30)},
    {"m",      Always,                  Ms(40)},
    {"n",      PrevIn(" aeáě"_cp),      kUnchanged},
    {"n",      PrevIn("i"),             Ms(0)},
    {"n",      PrevIn("rt"),            Ms(55)},
    {"n",      PrevIn("é"_cp),          Ms(20)},
    {"n",      Always,                  Ms(30)},
    {"o",      PrevIn("kn"),            Ms(15)},
    {"o",      Always,                  Ms(0)},
    {"p",      PrevIn(" "),             kUnchanged},
    {"p",      Always,                  Ms(70)},
    {"r",      PrevIn(" o"),            kUnchanged},
    {"r",      PrevIn("b"),             Ms(35)},
    {"r",      PrevIn("p"),             Ms(20)},
    {"r",      Always,                  Ms(50)},
    {"ř"_cp,   PrevIn(" i"),            kUnchanged},
    {"ř"_cp,   PrevIn("p"),             Ms(40)},
    {"ř"_cp,   PrevIn("t"),             Ms(20)},
    {"ř"_cp,   Always,                  Ms(50)},
    {"sz",     PrevIn("i"),             Ms(5)},
    {"sz",     Always,                  Ms(20)},
    {"tť"_cp,  PrevIn(" "),             Ms(0)},
    {"tť"_cp,  PrevIn("f"),             Ms(40)},
    {"tť"_cp,  PrevIn("jsš"_cp),        Ms(80)},
    {"tť"_cp,  PrevIn("t"),             Ms(20)},
    {"tť"_cp,  Always,                  Ms(50)},
    {"uůú"_cp, PrevIn(" k~"),           Ms(0)},
    {"uůú"_cp, NextIn("š"_cp),          Ms(40)},
    {"uůú"_cp, Always,                  Ms(0)},
    {"v",      PrevIn(" "),             kUnchanged},
    {"v",      PrevIn("aiouáéíóůú"_cp), Ms(40)},
    {"v",      Always,                  Ms(20)},
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
