// The gain table: how loud each sound's recording is played, and its two corrections.
#include <string_view>

#include "core/Cp1250Literal.h"
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
    // S       condition        Gain
    {"a",      PrevIn("ds"),    0.4},
    {"a",      Always,          0.55},
    {"á"_cp,   PrevIn("dsz"),   0.35},
    {"á"_cp,   Always,          0.45},
    {"b",      Always,          0.75},
    {"c",      Always,          0.3},
    {"č"_cp,   Always,          0.215},
    {"d",      Always,          1.0},
    {"ď"_cp,   FirstUnit,       0.55},
    {"ď"_cp,   Always,          0.77},
    {"eéě"_cp, Always,          0.65},
    {"f",      Always,          1.75},
    {"g",      Always,          0.5},
    {"h",      Always,          0.122},
    {"ií"_cp,  PrevIn("dhknt"), 0.5},
    {"ií"_cp,  PrevIn("ř"_cp),  0.4},
    {"ií"_cp,  Always,          0.55},
    {"j",      Always,          0.55},
    {"k",      SampleIs("kk"),  0.25},
    {"k",      Always,          1.0},
    {"l",      NextIn("u"),     0.15},
    {"l",      PrevIn("i"),     0.14},
    {"l",      Always,          0.2},
    {"m",      Always,          0.35},
    {"n",      Always,          0.75},
    {"ň"_cp,   Always,          0.45},
    {"oó"_cp,  Always,          0.45},
    {"p",      Always,          0.5},
    {"r",      Always,          0.4},
    {"ř"_cp,   Always,          0.3},
    {"s",      Always,          0.27},
    {"š"_cp,   Always,          0.35},
    {"t",      NextIn("lř"_cp), 0.7},
    {"t",      Always,          0.65},
    {"u",      PrevIn("~"),     0.6},
    {"u",      Always,          0.5},
    {"ůú"_cp,  PrevIn("n"),     0.25},
    {"ůú"_cp,  Always,          0.35},
    {"v",      Always,          0.27},
    {"w",      Always,          0.3},
    {"z",      Always,          1.15},
    {"ž"_cp,   Always,          0.5},
};

struct TFactorRow {
    std::string_view Sounds;  // S, the first character of `Sample`
    double Factor;
};

// The last sound before a pause or the chunk's end is played softer, except l and t.
constexpr TFactorRow kBeforePauseFactors[] = {
    // S       factor
    {"lt",     1.0},
    {"u",      0.5},
};
constexpr double kOtherBeforePauseFactor = 0.8;
// clang-format on

// The chunk's first sound, when it runs on into the next one, is stressed, except j, o, ó.
constexpr TCondition kStressedStart[] = {FirstUnit, NextNotIn(kPauseMarks), LetterNotIn("joó"_cp)};
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
