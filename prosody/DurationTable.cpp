// The duration table: how long each sound lasts at recorded tempo.
#include <string_view>

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
    // S                Duration
    {" _",              FromSetting(&TEngineSettings::WordSpaceLength)},
    {"adeos\x9A",       Ms(170)},  // š
    {"f",               Ms(110)},
    {"hv",              Ms(125)},
    {"i",               Ms(150)},
    {"j",               Ms(160)},
    {"l\xF8",           Ms(100)},  // ř
    {"m",               Ms(180)},
    {"n",               Ms(350)},
    {"r",               Ms(140)},
    {"u",               Ms(130)},
    {"w",               Ms(85)},
    {"z",               Ms(80)},
    {"\xE1",            Ms(360)},  // á
    {"\xE9",            Ms(375)},  // é
    {"\xED\xF3",        Ms(290)},  // í ó
    {"\xEF",            Ms(70)},   // ď
    {"\xF9\xFA",        Ms(340)},  // ů ú
    {"\xFD",            Ms(345)},  // ý
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
