// The gain table: how loud each sound's recording is played, and its two corrections.
#include <string_view>

#include "prosody/TimingTables.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

struct TGainRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    TCondition When;          // a test of P, N, the whole `Sample` or the unit number
    double Gain;
};

constexpr double kOtherGain = 1.0;

// Rows of one sound are together; the first row whose sound and condition match wins.
// Code page 1250.
// clang-format off
constexpr TGainRow kGainTable[] = {
    // S                 condition            Gain
    {"a",                PrevIn("ds"),        0.4},
    {"a",                Always,              0.55},
    {"\xE1",             PrevIn("dsz"),       0.35},   // á
    {"\xE1",             Always,              0.45},
    {"b",                Always,              0.75},
    {"c",                Always,              0.3},
    {"\xE8",             Always,              0.215},  // č
    {"d",                Always,              1.0},
    {"\xEF",             FirstUnit,           0.55},   // ď
    {"\xEF",             Always,              0.77},
    {"e\xE9\xEC",        Always,              0.65},   // e é ě
    {"f",                Always,              1.75},
    {"g",                Always,              0.5},
    {"h",                Always,              0.122},
    {"i\xED",            PrevIn("dhknt"),     0.5},    // i í
    {"i\xED",            PrevIn("\xF8"),      0.4},    // P ř
    {"i\xED",            Always,              0.55},
    {"j",                Always,              0.55},
    {"k",                SampleIs("kk"),      0.25},
    {"k",                Always,              1.0},
    {"l",                NextIn("u"),         0.15},
    {"l",                PrevIn("i"),         0.14},
    {"l",                Always,              0.2},
    {"m",                Always,              0.35},
    {"n",                Always,              0.75},
    {"\xF2",             Always,              0.45},   // ň
    {"o\xF3",            Always,              0.45},   // o ó
    {"p",                Always,              0.5},
    {"r",                Always,              0.4},
    {"\xF8",             Always,              0.3},    // ř
    {"s",                Always,              0.27},
    {"\x9A",             Always,              0.35},   // š
    {"t",                NextIn("l\xF8"),     0.7},    // N l ř
    {"t",                Always,              0.65},
    {"u",                PrevIn("~"),         0.6},
    {"u",                Always,              0.5},
    {"\xF9\xFA",         PrevIn("n"),         0.25},   // ů ú
    {"\xF9\xFA",         Always,              0.35},
    {"v",                Always,              0.27},
    {"w",                Always,              0.3},
    {"z",                Always,              1.15},
    {"\x9E",             Always,              0.5},    // ž
};

struct TFactorRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    double Factor;
};

// The last sound before a pause or the chunk's end is played softer, except l and t.
constexpr TFactorRow kBeforePauseFactors[] = {
    // S                 factor
    {"lt",               1.0},
    {"u",                0.5},
};
constexpr double kOtherBeforePauseFactor = 0.8;
// clang-format on

// The chunk's first sound, when it runs on into the next one, is stressed, except j, o, ó.
constexpr TCondition kStressedStart[] = {FirstUnit, NextNotIn(kPauseMarks), LetterNotIn("jo\xF3")};
constexpr double kStressFactor = 1.25;

}  // namespace

double TableGain(const TCharacter& unit, std::size_t unitNumber) {
    char sound = Sound(unit);
    for (const TGainRow& row : kGainTable) {
        if (InSet(sound, row.Sounds) && Holds(row.When, unit, unitNumber)) {
            return row.Gain;
        }
    }
    return kOtherGain;
}

void CorrectGain(TCharacter& unit, std::size_t unitNumber) {
    bool stressed = true;
    for (const TCondition& condition : kStressedStart) {
        stressed = stressed && Holds(condition, unit, unitNumber);
    }
    if (stressed) {
        unit.Gain *= kStressFactor;
    }
    if (InSet(FirstChar(unit.Next), kPauseMarks)) {
        double factor = kOtherBeforePauseFactor;
        for (const TFactorRow& row : kBeforePauseFactors) {
            if (InSet(Sound(unit), row.Sounds)) {
                factor = row.Factor;
                break;
            }
        }
        unit.Gain *= factor;
    }
}

}  // namespace vokadlo
