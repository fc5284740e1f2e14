// The program-wide generator: its formula, its range and its seeding.
#include "prosody/RandomSource.h"

#include <gtest/gtest.h>

#include <chrono>

#include "core/EngineSettings.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

// Worked by hand from state := state x 134775813 + 1 and Random(n) = (state x n) >> 32.
TEST(RandomSourceTest, FirstDrawsFromSeedOneMatchTheFormula) {
    RandomSource.Seed(1);
    EXPECT_EQ(Random(100), 3u);  // state 134775814: 13477581400 / 2^32 = 3.14
    EXPECT_EQ(RandomSource.State, 134775814u);
    EXPECT_EQ(Random(100), 86u);  // state 3698175007: 369817500700 / 2^32 = 86.1
    EXPECT_EQ(RandomSource.State, 3698175007u);
    EXPECT_EQ(Random(1000), 202u);  // state 870078620: 870078620000 / 2^32 = 202.6
    EXPECT_EQ(RandomSource.State, 870078620u);
}

TEST(RandomSourceTest, StateWrapsModulo2To32) {
    RandomSource.Seed(0xFFFFFFFFu);
    Random(1);
    EXPECT_EQ(RandomSource.State, 4160191484u);  // -134775813 + 1 mod 2^32
}

TEST(RandomSourceTest, EmptyAndUnitRangesGiveZeroButStillAdvance) {
    RandomSource.Seed(7);
    EXPECT_EQ(Random(0), 0u);
    EXPECT_EQ(RandomSource.State, 7u * 134775813u + 1u);
    EXPECT_EQ(Random(1), 0u);
}

TEST(RandomSourceTest, BottomAndTopSeedsReachTheEndsOfAnyRange) {
    for (std::uint32_t n : {1u, 7u, 60u, 1000u, 0xFFFFFFFFu}) {
        RandomSource.Seed(test::kBottomSeed);
        EXPECT_EQ(Random(n), 0u) << n;
        RandomSource.Seed(test::kTopSeed);
        EXPECT_EQ(Random(n), n - 1) << n;
    }
}

TEST(RandomSourceTest, DrawsStayBelowTheRange) {
    RandomSource.Seed(12345);
    for (int i = 0; i < 10000; ++i) {
        ASSERT_LT(Random(7), 7u);
    }
}

TEST(RandomSourceTest, MillisecondsSinceMidnightUtc) {
    using namespace std::chrono;
    sys_days day = year(2024) / March / 1;
    EXPECT_EQ(MillisecondsSinceMidnightUtc(day), 0u);
    EXPECT_EQ(MillisecondsSinceMidnightUtc(day + 13h + 5min + 7s + 89ms),
              ((13u * 60 + 5) * 60 + 7) * 1000 + 89);
    EXPECT_EQ(MillisecondsSinceMidnightUtc(day - 1ms), 86399999u);
    sys_days beforeEpoch = year(1969) / December / 31;
    EXPECT_EQ(MillisecondsSinceMidnightUtc(beforeEpoch + 1h), 3600000u);
}

TEST(RandomSourceTest, ChunkSeedIsTheFixedSeedWhenSet) {
    TSettingsGuard guard;
    Settings.ProsodySeed = 4242;
    SeedRandomForChunk();
    EXPECT_EQ(RandomSource.State, 4242u);
}

TEST(RandomSourceTest, ChunkSeedIsTheTimeOfDayOtherwise) {
    TSettingsGuard guard;
    Settings.ProsodySeed.reset();
    std::uint32_t before = MillisecondsSinceMidnightUtc(std::chrono::system_clock::now());
    SeedRandomForChunk();
    std::uint32_t after = MillisecondsSinceMidnightUtc(std::chrono::system_clock::now());
    EXPECT_LT(RandomSource.State, 86400000u);
    if (before <= after) {  // not across midnight
        EXPECT_GE(RandomSource.State, before);
        EXPECT_LE(RandomSource.State, after);
    }
}

}  // namespace
}  // namespace vokadlo
