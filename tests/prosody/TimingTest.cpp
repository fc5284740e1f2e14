// Pauses and durations: the tables, the random spread and the speed scaling.
#include "prosody/Timing.h"

#include <gtest/gtest.h>

#include <string>

#include "core/EngineSettings.h"
#include "prosody/Prosody.h"
#include "prosody/RandomSource.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

using test::ChunkOf;
using test::kBottomSeed;
using test::kTopSeed;
using test::MakeUnit;

// With a spread divisor this large every pause below 500000 ms comes out of the spread as it
// went in (q = 0 and Round(P x 999999 / 1000000) = P), so the table shows through.
constexpr std::int32_t kNoSpread = 1000000;

// Pause of a unit `sample` after `prev` and before `next`, as the second unit of a chunk.
std::int32_t PauseOf(const std::string& prev, const std::string& sample, const std::string& next,
                     std::int32_t before = 0) {
    TSayWord word = ChunkOf({MakeUnit("x", "x", "x", prev), MakeUnit(prev, sample, sample, next)});
    word.Chars[1].Pause = before;
    ApplyTiming(word, 100);
    return word.Chars[1].Pause;
}

struct TPauseCase {
    const char* Sample;
    const char* Prevs;  // each character is tried as P
    const char* Next;
    std::int32_t Pause;  // -1: the unit keeps the pause it had (7 here)
};

constexpr std::int32_t kKept = -1;

// clang-format off
const TPauseCase kPauseCases[] = {
    // S     P each of                       N       Pause
    {",",    "xa ",                          " ",    200},
    {".",    "xa ",                          " ",    460},
    {"a",    " ~",                           "b",    100},
    {"\xE1", " ~",                           "b",    100},      // á
    {"a",    "i",                            "b",    60},
    {"a",    "bk",                           "b",    0},
    {"c",    "a",                            "e",    20},
    {"ch",   "a",                            "e",    20},       // S of "ch" is c
    {"c",    "k",                            "e",    100},
    {"c",    "ob",                           "e",    10},
    {"\xE8", " ",                            "e",    kKept},    // č
    {"\xE8", "a",                            "e",    20},
    {"\xE8", "k",                            "e",    100},
    {"\xE8", "u",                            "e",    70},
    {"\xE8", "oe",                           "e",    10},
    {"d",    "k",                            "a",    50},
    {"d",    "a ",                           "a",    0},
    {"f",    " ",                            "a",    0},
    {"f",    "l",                            "a",    80},
    {"f",    "ao",                           "a",    20},
    {"g",    "a ",                           "a",    0},
    {"h",    " ae\xE1\xE9\xEC",              "a",    40},       // á é ě
    {"h",    "oc",                           "a",    0},
    {"i",    "\xF8",                         "a",    35},       // ř
    {"i",    "ab",                           "a",    0},
    {"j",    "u",                            "a",    20},
    {"j",    " ae\xE1\xEC",                  "a",    kKept},    // á ě
    {"j",    "oi",                           "a",    0},
    {"k",    " ",                            "a",    kKept},
    {"k",    "dhnrst",                       "a",    100},
    {"kk",   "r",                            " ",    100},      // S of "kk" is k
    {"k",    "ou",                           "a",    70},
    {"k",    "v",                            "a",    50},
    {"k",    "ae",                           "a",    40},
    {"l",    "s",                            "a",    10},
    {"l",    "ditu\xF9",                     "a",    20},       // ů
    {"l",    "h",                            "a",    40},
    {"lu",   "ao ",                          " ",    kKept},
    {"m",    " \xED",                        "a",    kKept},    // í
    {"m",    "j",                            "a",    30},
    {"m",    "ao",                           "a",    40},
    {"n",    " ae\xE1\xEC",                  "a",    kKept},
    {"n",    "i",                            "a",    0},
    {"n",    "rt",                           "a",    55},
    {"n",    "\xE9",                         "a",    20},       // é
    {"n",    "ou",                           "a",    30},
    {"o",    "kn",                           "a",    15},
    {"o",    "ab",                           "a",    0},
    {"p",    " ",                            "a",    kKept},
    {"pk",   "ao",                           " ",    70},
    {"r",    " o",                           "a",    kKept},
    {"r",    "b",                            "a",    35},
    {"r",    "p",                            "a",    20},
    {"r",    "at",                           "a",    50},
    {"\xF8", " i",                           "a",    kKept},    // ř
    {"\xF8", "p",                            "a",    40},
    {"\xF8", "t",                            "a",    20},
    {"\xF8", "ao",                           "a",    50},
    {"s",    "i",                            "a",    5},
    {"z",    "i",                            "a",    5},
    {"s",    "ao",                           "a",    20},
    {"z",    "ao",                           "a",    20},
    {"t",    " ",                            "a",    0},
    {"\x9D", " ",                            "a",    0},        // ť
    {"t",    "f",                            "a",    40},
    {"t",    "js\x9A",                       "a",    80},       // š
    {"\x9D", "js",                           "a",    80},
    {"t",    "t",                            "a",    20},
    {"t",    "ao",                           "a",    50},
    {"u",    " k~",                          "\x9A", 0},        // before š, but after a pause or k
    {"\xF9", " k~",                          "a",    0},        // ů
    {"u",    "ao",                           "\x9A", 40},
    {"\xFA", "ao",                           "\x9A", 40},       // ú
    {"u",    "ao",                           "a",    0},
    {"v",    " ",                            "a",    kKept},
    {"v",    "aiou\xE1\xE9\xED\xF3\xF9\xFA", "a",    40},       // á é í ó ů ú
    {"v",    "kr",                           "a",    20},
    {"e",    "ak ",                          "a",    kKept},    // any other sound
    {"b",    "ak ",                          "a",    kKept},
    {"",     "ak ",                          "~",    kKept},    // a unit without a letter
};
// clang-format on

TEST(TimingTest, PauseTable) {
    TSettingsGuard guard;
    Settings.RandomLength = kNoSpread;
    for (const TPauseCase& row : kPauseCases) {
        for (const char* p = row.Prevs; *p != '\0'; ++p) {
            std::string prev(1, *p);
            std::int32_t expected = row.Pause == kKept ? 7 : row.Pause;
            EXPECT_EQ(PauseOf(prev, row.Sample, row.Next, 7), expected)
                << "S " << row.Sample << " P " << prev;
        }
    }
}

TEST(TimingTest, PauseLengthsComeFromTheSettings) {
    TSettingsGuard guard;
    Settings.RandomLength = kNoSpread;
    Settings.CommaPauseLength = 333;
    Settings.PeriodPauseLength = 777;
    EXPECT_EQ(PauseOf("a", ",", " "), 333);
    EXPECT_EQ(PauseOf("a", ".", " "), 777);
}

TEST(TimingTest, FirstUnitNeverHasAPause) {
    TSettingsGuard guard;
    Settings.RandomLength = kNoSpread;
    for (const char* sample : {",", ".", "k", "a", "p"}) {
        TSayWord word = ChunkOf({MakeUnit("r", sample, sample, "a"), MakeUnit("a", "a", "a", "~")});
        word.Chars[0].Pause = 55;
        ApplyTiming(word, 100);
        EXPECT_EQ(word.Chars[0].Pause, 0) << sample;
    }
}

// Duration of a one-unit chunk: its pause is 0, so the duration draw is the first one.
std::int32_t DurationOf(const std::string& sample, std::uint32_t seed, std::int32_t speed = 100,
                        std::int32_t speedPercent = 100) {
    TSayWord word = ChunkOf({MakeUnit("a", sample, sample, "~", speed)});
    RandomSource.Seed(seed);
    ApplyTiming(word, speedPercent);
    return word.Chars[0].Duration;
}

struct TDurationCase {
    const char* Samples;  // each character is tried as S
    std::int32_t Duration;
};

// clang-format off
const TDurationCase kDurationCases[] = {
    // S each of            Duration
    {" _",                  40},
    {"adeos\x9A",           170},    // š
    {"f",                   110},
    {"hv",                  125},
    {"i",                   150},
    {"j",                   160},
    {"l\xF8",               100},    // ř
    {"m",                   180},
    {"n",                   350},
    {"r",                   140},
    {"u",                   130},
    {"w",                   85},
    {"z",                   80},
    {"\xE1",                360},    // á
    {"\xE9",                375},    // é
    {"\xED\xF3",            290},    // í ó
    {"\xEF",                70},     // ď
    {"\xF9\xFA",            340},    // ů ú
    {"\xFD",                345},    // ý
    {"bckpt\x9D\xF2\xEC,.", 150},    // any other: b c k p t ť ň ě , .
};
// clang-format on

TEST(TimingTest, DurationTable) {
    TSettingsGuard guard;
    // Spread divisor 1 turns a duration D into Random(2D); the top seed draws 2D - 1.
    Settings.RandomLength = 1;
    for (const TDurationCase& row : kDurationCases) {
        for (const char* s = row.Samples; *s != '\0'; ++s) {
            EXPECT_EQ(DurationOf(std::string(1, *s), kTopSeed), 2 * row.Duration - 1) << "S " << *s;
        }
    }
    // Two-character samples count by their first character; an empty one is "any other".
    EXPECT_EQ(DurationOf("kk", kTopSeed), 2 * 150 - 1);
    EXPECT_EQ(DurationOf("lu", kTopSeed), 2 * 100 - 1);
    EXPECT_EQ(DurationOf("ch", kTopSeed), 2 * 150 - 1);
    EXPECT_EQ(DurationOf("", kTopSeed), 2 * 150 - 1);
}

TEST(TimingTest, SpreadAtTheDefaultDivisor) {
    TSettingsGuard guard;
    Settings.RandomLength = 20;
    // "k" after "r": 100 ms, q = 5: Random(10) + 95.
    auto kPause = [](std::uint32_t seed) {
        TSayWord word = ChunkOf({MakeUnit("a", "r", "r", "k"), MakeUnit("r", "k", "k", "a")});
        RandomSource.Seed(seed);
        ApplyTiming(word, 100);
        return word.Chars[1].Pause;
    };
    EXPECT_EQ(kPause(kBottomSeed), 95);
    EXPECT_EQ(kPause(kTopSeed), 104);
    // "n": 350 ms, q = 17: Random(34) + 17 x 19.
    EXPECT_EQ(DurationOf("n", kBottomSeed), 323);
    EXPECT_EQ(DurationOf("n", kTopSeed), 356);
    for (std::uint32_t seed = 1; seed < 300; ++seed) {
        EXPECT_GE(kPause(seed), 95);
        EXPECT_LE(kPause(seed), 104);
        EXPECT_GE(DurationOf("n", seed), 323);
        EXPECT_LE(DurationOf("n", seed), 356);
    }
}

TEST(TimingTest, ShortDurationsCollapseButShortPausesKeepTheirRoundedValue) {
    TSettingsGuard guard;
    Settings.RandomLength = 20;
    Settings.WordSpaceLength = 15;
    for (std::uint32_t seed : {kBottomSeed, kTopSeed, 77u}) {
        EXPECT_EQ(DurationOf(" ", seed), 0) << seed;  // q = 0: 0 + 0
        RandomSource.Seed(seed);
        EXPECT_EQ(PauseOf("x", "c", "a"), 10) << seed;  // Round(0 + 10 x 19 / 20) = Round(9.5)
    }
    // Odd remainders: 15 x 19 / 20 = 14.25 -> 14 for the pause; the duration drops them.
    Settings.CommaPauseLength = 15;
    EXPECT_EQ(PauseOf("a", ",", " "), 14);
}

TEST(TimingTest, DivisorOneGivesTheWidestSpread) {
    TSettingsGuard guard;
    Settings.RandomLength = 1;
    EXPECT_EQ(DurationOf("a", kBottomSeed), 0);
    EXPECT_EQ(DurationOf("a", kTopSeed), 339);  // Random(340)
    RandomSource.Seed(kBottomSeed);
    EXPECT_EQ(PauseOf("r", "k", "a"), 0);
    RandomSource.Seed(kTopSeed);
    EXPECT_EQ(PauseOf("r", "k", "a"), 199);  // Random(200)
}

TEST(TimingTest, DivisorBelowOneIsUsedAsOne) {
    TSettingsGuard guard;
    for (std::int32_t divisor : {0, -3}) {
        Settings.RandomLength = divisor;
        EXPECT_EQ(DurationOf("a", kTopSeed), 339) << divisor;
        RandomSource.Seed(kTopSeed);
        EXPECT_EQ(PauseOf("r", "k", "a"), 199) << divisor;
    }
}

TEST(TimingTest, DurationIsScaledByTheUnitSpeedAndAgainByTheEngineSpeed) {
    TSettingsGuard guard;
    Settings.RandomLength = 20;
    // 170 x 1.1 = 187, q = 9: 171..188, then x 1.1: 188..207.
    EXPECT_EQ(DurationOf("a", kBottomSeed, 110, 110), 188);
    EXPECT_EQ(DurationOf("a", kTopSeed, 110, 110), 207);
    for (std::uint32_t seed = 1; seed < 300; ++seed) {
        std::int32_t duration = DurationOf("a", seed, 110, 110);
        EXPECT_GE(duration, 188);
        EXPECT_LE(duration, 207);
    }
}

TEST(TimingTest, PauseIsScaledOnceByTheEngineSpeed) {
    TSettingsGuard guard;
    Settings.RandomLength = kNoSpread;
    TSayWord word = ChunkOf({MakeUnit("a", "r", "r", "k", 300), MakeUnit("r", "k", "k", "a", 300)});
    ApplyTiming(word, 250);
    EXPECT_EQ(word.Chars[1].Pause, 250);  // 100 x 2.5; the unit's speed is not applied
}

TEST(TimingTest, SpeedsBelowOnePercentAreUsedAsOne) {
    TSettingsGuard guard;
    Settings.RandomLength = 1;
    // Unit speed 0 or less: Round(170 x 1 / 100) = 2, Random(4) with the top seed = 3.
    EXPECT_EQ(DurationOf("a", kTopSeed, 0), 3);
    EXPECT_EQ(DurationOf("a", kTopSeed, -5), 3);
    // Engine speed 0 or less: Random(340) = 339, then x 1 / 100 = 3.39.
    EXPECT_EQ(DurationOf("a", kTopSeed, 100, 0), 3);
    EXPECT_EQ(DurationOf("a", kTopSeed, 100, -9), 3);
}

TEST(TimingTest, NoUnitAsksForMoreThanTenSeconds) {
    TSettingsGuard guard;
    // As a settings store with Speed_Position 2147483647 and huge pause lengths leaves them.
    Settings.WordSpaceLength = INT32_MAX;
    Settings.PeriodPauseLength = INT32_MAX;
    Settings.CommaPauseLength = INT32_MAX;
    for (const std::int32_t spread : {1, 20}) {
        Settings.RandomLength = spread;
        TSayWord word = ChunkOf(
            {MakeUnit("a", "a", "a", "k", INT32_MAX), MakeUnit("r", "k", "k", " ", INT32_MAX),
             MakeUnit("k", " ", " ", ".", INT32_MAX), MakeUnit(" ", ".", ".", ",", INT32_MAX),
             MakeUnit(".", ",", ",", "~", INT32_MAX)});
        RandomSource.Seed(kTopSeed);
        ApplyTiming(word, INT32_MAX);
        for (const TCharacter& unit : word.Chars) {
            EXPECT_EQ(unit.Duration, kMaxUnitMs) << unit.Sample << " " << spread;
            EXPECT_LE(unit.Pause, kMaxUnitMs) << unit.Sample << " " << spread;
        }
        EXPECT_EQ(word.Chars[1].Pause, kMaxUnitMs);
        EXPECT_EQ(word.Chars[3].Pause, kMaxUnitMs);
    }
    EXPECT_EQ(kMaxUnitMs, 10000);
}

TEST(TimingTest, PausesAreDrawnBeforeDurations) {
    TSettingsGuard guard;
    Settings.RandomLength = 1;
    // From seed 0 the draws are Random(200) = 0 for the k's pause, then Random(280) = 8
    // (state 134775814) for the r's 140 ms, then Random(300) = 258 (state 3698175007).
    TSayWord word = ChunkOf({MakeUnit("a", "r", "r", "k"), MakeUnit("r", "k", "k", "a")});
    RandomSource.Seed(kBottomSeed);
    ApplyTiming(word, 100);
    EXPECT_EQ(word.Chars[1].Pause, 0);
    EXPECT_EQ(word.Chars[0].Duration, 8);
    EXPECT_EQ(word.Chars[1].Duration, 258);
}

TEST(TimingTest, ProsodyRunsTheTimingOnTheRewrittenSamples) {
    TSettingsGuard guard;
    Settings.ProsodySeed = kTopSeed;
    Settings.RandomLength = 1;
    TSayWord word = ChunkOf({MakeUnit("y", "y", "y", "~")});
    word.Text = "y";
    bool ended = false;
    ApplyProsody(word, 100, ended);
    EXPECT_EQ(word.Chars[0].Sample, "i");
    EXPECT_EQ(word.Chars[0].Duration, 299);  // "i": 150 ms, Random(300) first draw
}

}  // namespace
}  // namespace vokadlo
