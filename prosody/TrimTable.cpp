// The trimming table: pitch periods left out at the start and the end of a sound's recording.
#include <string_view>

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
    // S           condition                          and                     field    n
    {"@",          PrevIn("jm"),                      Always,                 kFirst,  10},
    {"a\xE1",      PrevIn("jnt"),                     Always,                 kFirst,  5},   // a á
    {"e",          PrevIn("l"),                       Always,                 kFirst,  5},
    {"\xE9",       PrevIn("km"),                      Always,                 kFirst,  2},   // é
    {"\xE9",       NextIn("n"),                       Always,                 kEndCut, 6},
    {"h",          NextIn("i"),                       Always,                 kFirst,  12},
    {"i\xED",      PrevIn("dl"),                      Always,                 kFirst,  5},   // i í
    {"l",          NextIn(kPauseMarks),               Always,                 kEndCut, 7},
    {"m",          PrevNotIn(" !,.?u~"),              NextNotIn(" !,.?"),     kFirst,  5},
    {"m",          NextIn(" !,.?ou~\xF3\xF9\xFA"),    Always,                 kEndCut, 16},  // ó ů ú
    {"m",          NextNotIn(" !,.?ou~\xF3\xF9\xFA"), PrevNotIn(kPauseMarks), kEndCut, 5},
    {"n",          NextIn(" !,.?ou~\xF9"),            Always,                 kEndCut, 8},   // ů
    {"n",          Always,                            Always,                 kFirst,  10},
    {"\xF2",       PrevIn("\xEC"),                    Always,                 kFirst,  5},   // ň, ě
    {"\xEF",       PrevNotIn(kPauseMarks),            Always,                 kEndCut, 3},   // ď
    {"o",          PrevIn("cdkp"),                    Always,                 kFirst,  3},
    {"u\xF9\xFA",  PrevIn("dkln"),                    Always,                 kFirst,  6},   // u ů ú
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
