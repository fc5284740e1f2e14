// The duration table: how long each sound lasts at recorded tempo.
#include <string_view>

#include "core/Cp1250Literal.h"
#include "prosody/TimingTables.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

struct TDurationRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    TMsValue Duration;
};

constexpr std::int32_t kOtherDuration = 150;

// Code page 1250.
// clang-format off
constexpr TDurationRow kDurationTable[] = {
    // S          Duration
    {" _",        FromSetting(&TEngineSettings::WordSpaceLength)},
    {"adeosš"_cp, Ms(170)},
    {"f",         Ms(110)},
    {"hv",        Ms(125)},
    {"i",         Ms(150)},
    {"j",         Ms(160)},
    {"lř"_cp,     Ms(100)},
    {"m",         Ms(180)},
    {"n",         Ms(350)},
    {"r",         Ms(140)},
    {"u",         Ms(130)},
    {"w",         Ms(85)},
    {"z",         Ms(80)},
    {"á"_cp,      Ms(360)},
    {"é"_cp,      Ms(375)},
    {"íó"_cp,     Ms(290)},
    {"ď"_cp,      Ms(70)},
    {"ůú"_cp,     Ms(340)},
    {"ý"_cp,      Ms(345)},
};
// clang-format on

}  // namespace

std::int32_t TableDuration(const TCharacter& unit) {
    char sound = Sound(unit);
    for (const TDurationRow& row : kDurationTable) {
        if (InSet(sound, row.Sounds)) {
            return Resolve(row.Duration, unit.Duration);
        }
    }
    return kOtherDuration;
}

}  // namespace vokadlo
