#include "synthesis/BufferOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

TEST(EnsureBufferSize, GrowsWithZerosAndNeverShrinks) {
    TMemoryStream empty;
    EnsureBufferSize(empty, 0);
    EXPECT_TRUE(empty.empty());

    TMemoryStream four = {1, 2, 3, 4};
    EnsureBufferSize(four, 10);
    EXPECT_EQ(four, (TMemoryStream{1, 2, 3, 4, 0, 0, 0, 0, 0, 0}));
    EnsureBufferSize(four, 3);
    EnsureBufferSize(four, -5);
    EXPECT_EQ(four.size(), 10u);
}

TEST(RoundDownToEven, OnlyPositiveOddCountsChange) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> rows = {
        {7, 6}, {8, 8}, {0, 0}, {-7, -7}, {1, 0}, {INT32_MAX, INT32_MAX - 1}};
    for (auto [in, out] : rows) {
        std::int32_t bytes = in;
        RoundDownToEven(bytes);
        EXPECT_EQ(bytes, out) << in;
    }
}

TEST(ApplyGain, ScalesAllButMarkValuesRoundingTiesToEven) {
    TMemoryStream b = BytesOf({0, 1, -1, 2, -3});
    ApplyGain(b, 10, 2.0);
    EXPECT_EQ(Samples(b), (std::vector<std::int16_t>{0, 1, -1, 4, -6}));

    b = BytesOf({5, 7, -5, -7, 3, 2});
    ApplyGain(b, 12, 0.5);  // 2.5 -> 2, 3.5 -> 4, -2.5 -> -2, -3.5 -> -4, 1.5 -> 2, 1
    EXPECT_EQ(Samples(b), (std::vector<std::int16_t>{2, 4, -2, -4, 2, 1}));
}

TEST(ApplyGain, SaturatesInsteadOfWrapping) {
    TMemoryStream b = BytesOf({20000, -20000, 16384, -16385});
    ApplyGain(b, 8, 2.0);
    EXPECT_EQ(Samples(b), (std::vector<std::int16_t>{32767, -32768, 32767, -32768}));
}

TEST(ApplyGain, ScalesOnlyTheGivenBytesAndGrowsTheBuffer) {
    TMemoryStream b = BytesOf({100, 100, 100});
    ApplyGain(b, 4, 3.0);
    EXPECT_EQ(Samples(b), (std::vector<std::int16_t>{300, 300, 100}));

    TMemoryStream small = BytesOf({100});
    ApplyGain(small, 7, 2.0);  // grown to 7 bytes; Round(3.5) = 4 samples, 3 whole ones exist
    EXPECT_EQ(small.size(), 7u);
    EXPECT_EQ(Samples(small), (std::vector<std::int16_t>{200, 0, 0}));

    TMemoryStream same = BytesOf({100, -100});
    ApplyGain(same, 4, 1.0);
    EXPECT_EQ(Samples(same), (std::vector<std::int16_t>{100, -100}));
}

const std::vector<std::int16_t> kRamp = {100, 200, 300, 400,  500,  600,
                                         700, 800, 900, 1000, 1100, 1200};

struct TResampleRow {
    std::int32_t c;
    bool copy;
    std::vector<std::int16_t> result;
};

TEST(Resample, RampExamples) {
    const std::vector<TResampleRow> rows = {
        {3, false, {100, 200, 300, 350, 400, 500, 600, 650, 700, 800, 900, 950, 1000, 1100, 1200}},
        {3, true, {100, 200, 300, 350, 400, 500, 600, 650, 700, 800, 900, 950, 1000, 1100, 1200}},
        {-3, false, {100, 200, 300, 400, 600, 700, 900, 1000}},
        {-3, true, {200, 300, 400, 600, 700, 900, 1000, 1200}},
        {-2, false, {100, 200, 300, 500, 700, 900}},
        {1, false, kRamp},
        {0, false, kRamp},
        {-1, false, kRamp},
        {-1, true, kRamp},
    };
    for (const auto& row : rows) {
        TMemoryStream period = BytesOf(kRamp);
        std::int32_t bytes = 24;
        TMemoryStream target;
        if (row.copy) {
            bytes = ResamplePeriodCopy(period, target, row.c, bytes);
            EXPECT_EQ(Samples(period), kRamp) << "source untouched, c = " << row.c;
            period = target;
        } else {
            ResamplePeriod(period, row.c, bytes);
        }
        EXPECT_EQ(bytes, static_cast<std::int32_t>(2 * row.result.size())) << row.c;
        EXPECT_EQ(Samples(period, 0, row.result.size()), row.result)
            << "c = " << row.c << (row.copy ? " copy" : " in place");
    }
}

// The walk exactly as described: one position at a time from the end, moving the rest of the
// period on every insertion and removal.
std::vector<std::int16_t> WalkResample(std::vector<std::int16_t> v, std::int32_t c,
                                       std::int32_t& bytes, bool copy) {
    if (c >= -1 && c <= 1) {
        return v;
    }
    const int n = static_cast<int>(std::nearbyint(bytes / 2.0));
    auto mean = [](int a, int b) {
        return static_cast<std::int16_t>(std::nearbyint((a + b) / 2.0));
    };
    int counter = 0;
    int net = 0;
    for (int p = n; p >= 1; --p) {
        const bool inside = 2 < p && p < n - 1;
        counter += c > 0 ? 1 : -1;
        if (counter != c) {
            continue;
        }
        counter = 0;
        if (c > 0) {
            if (inside) {
                v.insert(v.begin() + (p - 1), mean(v[p - 2], v[p - 1]));
                ++net;
            }
        } else {
            if (inside || copy) {
                v.erase(v.begin() + (p - 1));
            }
            if (inside) {
                v[p - 1] = mean(v[p - 1], v[p - 2]);
            }
            --net;
        }
    }
    bytes += 2 * net;
    RoundDownToEven(bytes);
    return v;
}

TEST(Resample, MatchesTheSampleBySampleWalk) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> value(-32768, 32767);
    for (int n = 0; n <= 40; ++n) {
        for (int c = -12; c <= 12; ++c) {
            std::vector<std::int16_t> period(n);
            for (auto& s : period) {
                s = static_cast<std::int16_t>(value(random));
            }
            for (bool copy : {false, true}) {
                std::int32_t expectedBytes = 2 * n;
                const auto expected = WalkResample(period, c, expectedBytes, copy);

                TMemoryStream source = BytesOf(period);
                std::int32_t bytes = 2 * n;
                TMemoryStream target = {9, 9};  // stale bytes are overwritten
                if (copy) {
                    bytes = ResamplePeriodCopy(source, target, c, bytes);
                } else {
                    ResamplePeriod(source, c, bytes);
                    target = source;
                }
                ASSERT_EQ(bytes, expectedBytes) << "n = " << n << " c = " << c << " copy " << copy;
                const std::size_t count = static_cast<std::size_t>(std::max(bytes, 0) / 2);
                ASSERT_EQ(Samples(target, 0, count),
                          std::vector<std::int16_t>(expected.begin(), expected.begin() + count))
                    << "n = " << n << " c = " << c << " copy " << copy;
            }
        }
    }
}

TEST(Resample, CopyUsesOnlyThePeriodsOwnBytes) {
    // A period buffer longer than its period (stale samples from a longer one) copies L bytes.
    TMemoryStream source = BytesOf({10, 20, 30, 40, 50, 60, 70, 80, 555, 555});
    TMemoryStream target;
    EXPECT_EQ(ResamplePeriodCopy(source, target, 0, 16), 16);
    EXPECT_EQ(Samples(target, 0, 8), (std::vector<std::int16_t>{10, 20, 30, 40, 50, 60, 70, 80}));
}

TEST(Resample, NegativeAndEmptyLengthsCopyNothing) {
    TMemoryStream period = BytesOf({1, 2});
    std::int32_t bytes = -2;
    ResamplePeriod(period, 3, bytes);
    EXPECT_EQ(bytes, -2);
    TMemoryStream target;
    EXPECT_EQ(ResamplePeriodCopy(period, target, -3, -2), -2);
    EXPECT_EQ(ResamplePeriodCopy(period, target, 5, 0), 0);
}

}  // namespace
}  // namespace vokadlo::test
