// Loudness of each sound and the pitch periods trimmed from its recording.
#include <gtest/gtest.h>

#include <string>

#include "core/EngineSettings.h"
#include "prosody/Timing.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

using test::ChunkOf;
using test::MakeUnit;

// Runs the timing on a two-unit chunk with `unit` as unit `number` (1 or 2); returns it.
TCharacter Timed(TCharacter unit, int number = 2) {
    TCharacter other = MakeUnit("x", "x", "x", "x");
    TSayWord word = number == 1 ? ChunkOf({unit, other}) : ChunkOf({other, unit});
    ApplyTiming(word, 100);
    return word.Chars[number - 1];
}

struct TGainCase {
    const char* Prev;
    const char* Letter;
    const char* Sample;
    const char* Next;
    int Unit;  // 1-based
    double Gain;
};

// clang-format off
const TGainCase kGainCases[] = {
    // Inside a word, not the first unit: the table alone.
    // P     L       S       N       unit Gain
    {"d",    "a",    "a",    "b",    2, 0.4},
    {"s",    "a",    "a",    "b",    2, 0.4},
    {"x",    "a",    "a",    "b",    2, 0.55},
    {"z",    "\xE1", "\xE1", "b",    2, 0.35},           // á
    {"x",    "\xE1", "\xE1", "b",    2, 0.45},
    {"x",    "b",    "b",    "a",    2, 0.75},
    {"x",    "c",    "c",    "a",    2, 0.3},
    {"x",    "c",    "ch",   "a",    2, 0.3},            // the digraph counts as c
    {"x",    "\xE8", "\xE8", "a",    2, 0.215},          // č
    {"x",    "d",    "d",    "a",    2, 1.0},
    {"x",    "d",    "\xEF", "a",    2, 0.77},           // ď
    {"x",    "e",    "e",    "a",    2, 0.65},
    {"x",    "\xE9", "\xE9", "a",    2, 0.65},           // é
    {"x",    "\xEC", "\xEC", "a",    2, 0.65},           // ě
    {"x",    "f",    "f",    "a",    2, 1.75},
    {"x",    "g",    "g",    "a",    2, 0.5},
    {"x",    "h",    "h",    "a",    2, 0.122},
    {"t",    "i",    "i",    "a",    2, 0.5},
    {"h",    "\xED", "\xED", "a",    2, 0.5},            // í
    {"\xF8", "i",    "i",    "a",    2, 0.4},            // after ř
    {"x",    "i",    "i",    "a",    2, 0.55},
    {"x",    "j",    "j",    "a",    2, 0.55},
    {"x",    "k",    "k",    "a",    2, 1.0},
    {"i",    "l",    "l",    "u",    2, 0.15},           // N u wins over P i
    {"i",    "l",    "l",    "a",    2, 0.14},
    {"x",    "l",    "l",    "a",    2, 0.2},
    {"x",    "m",    "m",    "a",    2, 0.35},
    {"x",    "n",    "n",    "a",    2, 0.75},
    {"x",    "n",    "\xF2", "i",    2, 0.45},           // ň
    {"x",    "o",    "o",    "a",    2, 0.45},
    {"x",    "\xF3", "\xF3", "a",    2, 0.45},           // ó
    {"x",    "p",    "p",    "a",    2, 0.5},
    {"x",    "r",    "r",    "a",    2, 0.4},
    {"x",    "\xF8", "\xF8", "a",    2, 0.3},            // ř
    {"x",    "s",    "s",    "a",    2, 0.27},
    {"x",    "\x9A", "\x9A", "a",    2, 0.35},           // š
    {"x",    "t",    "t",    "\xF8", 2, 0.7},            // before ř
    {"x",    "t",    "t",    "l",    2, 0.7},
    {"x",    "t",    "t",    "a",    2, 0.65},
    {"~",    "u",    "u",    "a",    2, 0.6},
    {"x",    "u",    "u",    "a",    2, 0.5},
    {"n",    "\xF9", "\xF9", "a",    2, 0.25},           // ů
    {"x",    "\xFA", "\xFA", "a",    2, 0.35},           // ú
    {"x",    "v",    "v",    "a",    2, 0.27},
    {"x",    "w",    "w",    "a",    2, 0.3},
    {"x",    "z",    "z",    "a",    2, 1.15},
    {"x",    "\x9E", "\x9E", "a",    2, 0.5},            // ž
    {"x",    "t",    "\x9D", "i",    2, 1.0},            // ť has no row: any other
    {"x",    "x",    "x",    "a",    2, 1.0},
    {"x",    "",     "",     "a",    2, 1.0},
    // The chunk's first sound, running on into the next one: x 1.25, except j, o and ó.
    {"a",    "a",    "a",    "b",    1, 0.55 * 1.25},
    {"d",    "d",    "\xEF", "a",    1, 0.55 * 1.25},    // ď as unit 1
    {"y",    "y",    "i",    "a",    1, 0.55 * 1.25},    // by the letter, not the sample
    {"j",    "j",    "j",    "a",    1, 0.55},
    {"o",    "o",    "o",    "a",    1, 0.45},
    {"\xF3", "\xF3", "\xF3", "a",    1, 0.45},
    // The last sound before a pause or the chunk's end: x 0.8, u x 0.5, l and t unchanged.
    {"a",    "k",    "kk",   " ",    2, 0.25 * 0.8},
    {"a",    "u",    "u",    "~",    2, 0.5 * 0.5},
    {"a",    "l",    "lu",   ",",    2, 0.2},
    {"a",    "t",    "t",    ".",    2, 0.65},
    {"a",    "p",    "pk",   "?",    2, 0.5 * 0.8},
    {"x",    "a",    "a",    "!",    2, 0.55 * 0.8},
    {"a",    "a",    "a",    " ",    1, 0.55 * 0.8},     // unit 1 before a pause: no stress
};
// clang-format on

TEST(GainTrimTest, GainTableAndCorrections) {
    for (const TGainCase& row : kGainCases) {
        TCharacter unit = MakeUnit(row.Prev, row.Letter, row.Sample, row.Next);
        unit.Gain = 0.123;  // replaced in every case
        EXPECT_DOUBLE_EQ(Timed(unit, row.Unit).Gain, row.Gain)
            << "S " << row.Sample << " P " << row.Prev << " N " << row.Next;
    }
}

struct TTrimCase {
    const char* Prev;
    const char* Sample;
    const char* Next;
    std::int32_t FirstPeriod;
    std::int32_t EndCut;
};

// clang-format off
const TTrimCase kTrimCases[] = {
    // P     S       N       first end cut
    {"j",    "@",    "a",    10, 0},
    {"m",    "@",    "a",    10, 0},
    {"a",    "@",    "a",    0,  0},
    {"n",    "a",    "b",    5,  0},
    {"t",    "\xE1", "b",    5,  0},     // á
    {"k",    "a",    "b",    0,  0},
    {"l",    "e",    "b",    5,  0},
    {"k",    "\xE9", "n",    2,  6},     // é: both rules
    {"m",    "\xE9", "a",    2,  0},
    {"a",    "\xE9", "n",    0,  6},
    {"a",    "h",    "i",    12, 0},
    {"d",    "\xED", "a",    5,  0},     // í
    {"l",    "i",    "a",    5,  0},
    {"a",    "l",    " ",    0,  7},
    {"a",    "lu",   "~",    0,  7},
    {"a",    "l",    "a",    0,  0},
    // m: inside a word it loses 5 at both ends; before a pause or o/u-like vowels 16 at the end.
    {"a",    "m",    "a",    5,  5},
    {"a",    "m",    "o",    5,  16},
    {"a",    "m",    "\xFA", 5,  16},    // ú
    {"a",    "m",    "~",    5,  16},
    {"a",    "m",    " ",    0,  16},
    {" ",    "m",    "a",    0,  0},
    {"u",    "m",    "a",    0,  5},
    {"~",    "m",    "~",    0,  16},
    // n always starts at period 10; before a pause, o, u or ů it also loses 8 at the end.
    {"a",    "n",    "a",    10, 0},
    {"a",    "n",    "o",    10, 8},
    {"a",    "n",    "u",    10, 8},
    {"a",    "n",    "\xF9", 10, 8},     // ů
    {"a",    "n",    "\xFA", 10, 0},     // ú is not among them
    {"a",    "n",    " ",    10, 8},
    {"a",    "n",    "~",    10, 8},
    {"\xEC", "\xF2", "a",    5,  0},     // ň after ě
    {"a",    "\xF2", "a",    0,  0},
    {"a",    "\xEF", "a",    0,  3},     // ď
    {" ",    "\xEF", "a",    0,  0},
    {"k",    "o",    "a",    3,  0},
    {"p",    "o",    "a",    3,  0},
    {"a",    "o",    "a",    0,  0},
    {"n",    "u",    "a",    6,  0},
    {"d",    "\xF9", "a",    6,  0},     // ů
    {"k",    "\xFA", "a",    6,  0},     // ú
    {"a",    "u",    "a",    0,  0},
};
// clang-format on

TEST(GainTrimTest, PeriodTrimming) {
    for (const TTrimCase& row : kTrimCases) {
        TCharacter unit = Timed(MakeUnit(row.Prev, row.Sample, row.Sample, row.Next));
        EXPECT_EQ(unit.FirstPeriod, row.FirstPeriod)
            << "S " << row.Sample << " P " << row.Prev << " N " << row.Next;
        EXPECT_EQ(unit.EndCut, row.EndCut)
            << "S " << row.Sample << " P " << row.Prev << " N " << row.Next;
    }
}

TEST(GainTrimTest, TrimmingLeavesOtherValuesAlone) {
    TCharacter unit = MakeUnit("a", "b", "b", "a");
    unit.FirstPeriod = 4;
    unit.EndCut = 2;
    TCharacter timed = Timed(unit);
    EXPECT_EQ(timed.FirstPeriod, 4);
    EXPECT_EQ(timed.EndCut, 2);
}

}  // namespace
}  // namespace vokadlo
