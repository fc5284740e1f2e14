#include "synthesis/Echo.h"

#include <gtest/gtest.h>

#include "core/EngineSettings.h"
#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

// A 46-byte header followed by the samples.
TMemoryStream Image(const std::vector<std::int16_t>& samples) {
    TMemoryStream image(46, 0);
    const TMemoryStream body = BytesOf(samples);
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

class EchoTest : public ::testing::Test {
  protected:
    void Use(int tracks, int delay, int volume) {
        Settings.EchoTracks = tracks;
        Settings.EchoDelay = delay;
        Settings.EchoVolume = volume;
        ResetEcho(echo);
    }
    std::vector<std::int16_t> Echoed(const std::vector<std::int16_t>& samples) {
        TMemoryStream image = Image(samples);
        AddEcho(image, echo);
        EXPECT_EQ(image.size(), 46 + 2 * samples.size());
        return ImageSamples(image);
    }
    TSettingsGuard guard;
    TEchoState echo;
};

TEST_F(EchoTest, ImpulseReappearsOneDelayAndOneSampleLater) {
    Use(1, 1200, 100);
    std::vector<std::int16_t> dry(3000, 0);
    dry[0] = 1000;
    const auto wet = Echoed(dry);
    std::vector<std::int16_t> expected = dry;
    expected[1201] = 1000;  // sample 1202
    EXPECT_EQ(wet, expected);
}

TEST_F(EchoTest, EachTapAtItsDelayAndLevel) {
    Use(3, 100, 100);
    std::vector<std::int16_t> dry(400, 0);
    dry[0] = 900;
    const auto wet = Echoed(dry);
    std::vector<std::int16_t> expected = dry;
    expected[101] = 900;  // tap 1 at full echo level
    expected[201] = 225;  // tap 2 at a quarter
    expected[301] = 100;  // tap 3 at a ninth
    EXPECT_EQ(wet, expected);
}

TEST_F(EchoTest, FeedRoundsTiesToEven) {
    Use(1, 1, 50);
    // 7 x 0.5 = 3.5 -> 4, 5 x 0.5 = 2.5 -> 2; delay 1 mixes stored sample k into sample k + 2.
    EXPECT_EQ(Echoed({7, 5, 0, 0, 0}), (std::vector<std::int16_t>{7, 5, 4, 2, 0}));
}

TEST_F(EchoTest, TailCarriesIntoNextChunkLosingTheLastStoredSample) {
    Use(1, 2, 100);
    // Chunk 1: only stored sample 1 is mixed (into sample 4); sample 5 never receives echo.
    EXPECT_EQ(Echoed({10, 20, 30, 40, 50}), (std::vector<std::int16_t>{10, 20, 30, 50, 50}));
    // Chunk 2 mixes stored samples 2..4 first; stored sample 5 (50) was dropped by the carry-over.
    EXPECT_EQ(Echoed({0, 0, 0, 0, 0, 0}), (std::vector<std::int16_t>{20, 30, 40, 0, 0, 0}));
    // Chunk 3 continues with chunk 2's zeros.
    EXPECT_EQ(Echoed({1000, 0, 0, 0, 0, 0}), (std::vector<std::int16_t>{1000, 0, 0, 1000, 0, 0}));
}

TEST_F(EchoTest, LongDelayHoldsOnlyTheSamplesFed) {
    // Inside a delay of 10^8 samples nothing is mixed, and each delay line holds what it was fed:
    // memory follows the audio rendered, not the delay.
    Use(3, 100'000'000, 8);
    const std::vector<std::int16_t> dry(3000, 400);
    EXPECT_EQ(Echoed(dry), dry);
    EXPECT_EQ(Echoed(dry), dry);
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(echo.EchoLength[t], 6000);
        EXPECT_LE(echo.EchoBuffers[t].capacity(), 8U * 6000);
    }
}

TEST_F(EchoTest, ShortChunksStayInsideTheInitialDelay) {
    Use(1, 10, 100);
    EXPECT_EQ(Echoed({500, 0, 0, 0}), (std::vector<std::int16_t>{500, 0, 0, 0}));
    // Read position -10 + 3 = -7: stored sample 1 is mixed at the 9th step of this chunk, overall
    // sample 13 (one later than in a single chunk: the last sample of chunk 1 took no step).
    const auto wet = Echoed(std::vector<std::int16_t>(12, 0));
    std::vector<std::int16_t> expected(12, 0);
    expected[8] = 500;
    EXPECT_EQ(wet, expected);
}

TEST_F(EchoTest, SumsSaturate) {
    Use(2, 1, 100);
    // Tap 1 adds 30000 (saturating), then tap 2 (7500) is added to the saturated sample.
    EXPECT_EQ(Echoed({30000, 30000, 30000, 30000, 0}),
              (std::vector<std::int16_t>{30000, 30000, 32767, 32767, 0}));
    Use(1, 1, 100);
    EXPECT_EQ(Echoed({-30000, -30000, -30000, 0}),
              (std::vector<std::int16_t>{-30000, -30000, -32768, 0}));
}

TEST_F(EchoTest, DelayLinesHoldSaturatedSamples) {
    Use(1, 1, 300);  // a store may give more than 100 %: 20000 x 3 is stored as 32767
    EXPECT_EQ(Echoed({20000, 0, 0, 0}), (std::vector<std::int16_t>{20000, 0, 32767, 0}));
    Use(1, 1, 300);
    EXPECT_EQ(Echoed({-20000, 0, -1000, 0}), (std::vector<std::int16_t>{-20000, 0, -32768, 0}));
}

TEST_F(EchoTest, MoreThanTenTracksActAsTen) {
    std::vector<std::int16_t> dry(2000, 0);
    dry[0] = 30000;
    Use(10, 50, 100);
    const auto ten = Echoed(dry);
    TEchoState other;
    echo = other;
    Use(25, 50, 100);
    EXPECT_EQ(Echoed(dry), ten);
    EXPECT_EQ(ten[10 * 50 + 1], 300);  // tap 10 at a hundredth
}

TEST_F(EchoTest, NoTracksLeaveTheImageAlone) {
    Use(0, 100, 100);
    const std::vector<std::int16_t> dry = {1, 2, 3, 400, 500};
    EXPECT_EQ(Echoed(dry), dry);
    Use(-3, 100, 100);
    EXPECT_EQ(Echoed(dry), dry);
}

TEST_F(EchoTest, ResetRestartsTheDelay) {
    Use(1, 2, 100);
    Echoed({100, 0, 0, 0, 0});
    ResetEcho(echo);
    EXPECT_EQ(echo.EchoReadPos[0], -2);
    EXPECT_EQ(echo.EchoLength[0], 0);
    EXPECT_EQ(Echoed({0, 0, 0, 0, 0}), (std::vector<std::int16_t>{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace vokadlo::test
