// The trimming table: pitch periods left out at the start and the end of a sound's recording.
#include <string_view>

#include "core/Cp1250Literal.h"
#include "prosody/TimingTables.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

struct TTrimRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    TCondition When;
    TCondition AndWhen;
    std::int32_t TCharacter::*Field;  // FirstPeriod or EndCut
    std::int32_t Periods;             // n
};

constexpr auto kFirst = &TCharacter::FirstPeriod;  // 1-based first period to play
constexpr auto kEndCut = &TCharacter::EndCut;      // periods dropped at the end

// Unlike the other tables, every row whose sound and conditions match applies, in order.
// Code page 1250.
// clang-format off
constexpr TTrimRow kTrimTable[] = {
    // S       condition                    and                     field    n
    {"@",      PrevIn("jm"),                Always,                 kFirst,  10},
    {"aá"_cp,  PrevIn("jnt"),               Always,                 kFirst,  5},
    {"e",      PrevIn("l"),                 Always,                 kFirst,  5},
    {"é"_cp,   PrevIn("km"),                Always,                 kFirst,  2},
    {"é"_cp,   NextIn("n"),                 Always,                 kEndCut, 6},
    {"h",      NextIn("i"),                 Always,                 kFirst,  12},
    {"ií"_cp,  PrevIn("dl"),                Always,                 kFirst,  5},
    {"l",      NextIn(kPauseMarks),         Always,                 kEndCut, 7},
    {"m",      PrevNotIn(" !,.?u~"),        NextNotIn(" !,.?"),     kFirst,  5},
    {"m",      NextIn(" !,.?ou~óůú"_cp),    Always,                 kEndCut, 16},
    {"m",      NextNotIn(" !,.?ou~óůú"_cp), PrevNotIn(kPauseMarks), kEndCut, 5},
    {"n",      NextIn(" !,.?ou~ů"_cp),      Always,                 kEndCut, 8},
    {"n",      Always,                      Always,                 kFirst,  10},
    {"ň"_cp,   PrevIn("ě"_cp),              Always,                 kFirst,  5},
    {"ď"_cp,   PrevNotIn(kPauseMarks),      Always,                 kEndCut, 3},
    {"o",      PrevIn("cdkp"),              Always,                 kFirst,  3},
    {"uůú"_cp, PrevIn("dkln"),              Always,                 kFirst,  6},
};
// clang-format on

}  // namespace

void TrimPeriods(TCharacter& unit) {
    char sound = Sound(unit);
    for (const TTrimRow& row : kTrimTable) {
        if (InSet(sound, row.Sounds) && Holds(row.When, unit) && Holds(row.AndWhen, unit)) {
            unit.*row.Field = row.Periods;
        }
    }
}

}  // namespace vokadlo
