// The block-wise AddEcho and ApplyGain against plain sample-at-a-time versions written straight
// from their rules, on random chunks, settings and gains.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/EngineSettings.h"
#include "synthesis/BufferOps.h"
#include "synthesis/Echo.h"
#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

std::int16_t Saturated(double x) {
    return static_cast<std::int16_t>(std::clamp(x, -32768.0, 32767.0));
}

// Round to nearest, ties to even (the default floating-point mode), then saturate.
std::int16_t RoundSaturated(double x) {
    return std::isnan(x) ? 0 : Saturated(std::nearbyint(std::clamp(x, -40000.0, 40000.0)));
}

// The echo state with 1-based delay lines, one sample at a time.
struct TReferenceEcho {
    std::vector<std::int16_t> line[kMaxEchoTracks];  // line[t][0] unused
    std::int32_t readPos[kMaxEchoTracks] = {};
    std::int32_t length[kMaxEchoTracks] = {};

    void Reset(int tracks, int delay) {
        for (int t = 1; t <= tracks; ++t) {
            readPos[t - 1] = -t * delay;
            length[t - 1] = 0;
        }
    }

    void Add(std::vector<std::int16_t>& d, int tracks) {
        for (int t = 1; t <= tracks; ++t) {
            std::vector<std::int16_t>& s = line[t - 1];
            std::int32_t& r = readPos[t - 1];
            std::int32_t& len = length[t - 1];
            s.resize(std::max<std::size_t>(s.size(), 1));
            if (1 <= r && r < len) {
                s.erase(s.begin() + 1, s.begin() + r);  // stored r .. len - 1 become 1 .. len - r
                len -= r;
                r = 1;
            }
        }
        const auto n = static_cast<std::int32_t>(d.size());
        if (n == 0) {
            return;
        }
        for (int t = 1; t <= tracks; ++t) {
            std::vector<std::int16_t>& s = line[t - 1];
            for (std::int32_t k = 1; k <= n; ++k) {
                ++length[t - 1];
                s.resize(std::max<std::size_t>(s.size(), length[t - 1] + 1));
                s[length[t - 1]] = RoundSaturated(Settings.EchoVolume / 100.0 / (t * t) * d[k - 1]);
            }
        }
        for (int t = 1; t <= tracks; ++t) {
            std::int32_t& r = readPos[t - 1];
            const std::int32_t len = length[t - 1];
            if (len <= 0 || len <= r) {
                continue;
            }
            for (std::int32_t k = 1; k < n && r < len; ++k, ++r) {
                if (r >= 1) {
                    d[k - 1] = Saturated(d[k - 1] + line[t - 1][r]);
                }
            }
        }
    }
};

std::int16_t RandomSample(std::mt19937& rng) {
    switch (rng() % 4) {
        case 0:
            return static_cast<std::int16_t>(static_cast<int>(rng() % 3) - 1);  // -1, 0, 1
        case 1:
            return static_cast<std::int16_t>(rng() % 2 == 0 ? 32767 : -32768);
        default:
            return static_cast<std::int16_t>(rng());
    }
}

std::vector<std::int16_t> RandomSamples(std::mt19937& rng, std::size_t count) {
    std::vector<std::int16_t> samples(count);
    for (std::int16_t& s : samples) {
        s = RandomSample(rng);
    }
    return samples;
}

TEST(ReferenceEcho, RandomChunksMatchSampleBySample) {
    TSettingsGuard guard;
    std::mt19937 rng(7);
    for (int run = 0; run < 150; ++run) {
        TEchoState echo;
        TReferenceEcho reference;
        Settings.EchoTracks = static_cast<std::int32_t>(rng() % 11);
        Settings.EchoDelay = static_cast<std::int32_t>(rng() % 3001);
        if (run % 10 == 9) {
            Settings.EchoDelay = -static_cast<std::int32_t>(rng() % 50);  // starts past its data
        }
        Settings.EchoVolume = static_cast<std::int32_t>(rng() % 101);
        ResetEcho(echo);
        reference.Reset(Settings.EchoTracks, Settings.EchoDelay);
        for (int chunk = 0; chunk < 6; ++chunk) {
            if (rng() % 8 == 0) {  // a tap may drop out and come back without a reset
                Settings.EchoTracks = static_cast<std::int32_t>(rng() % 11);
            }
            const std::size_t count = rng() % 4 == 0 ? rng() % 4 : rng() % 5000;
            std::vector<std::int16_t> dry = RandomSamples(rng, count);
            TMemoryStream image(46, 0x5A);
            const TMemoryStream body = BytesOf(dry);
            image.insert(image.end(), body.begin(), body.end());
            if (rng() % 4 == 0) {
                image.push_back(0x7F);  // an odd byte after the last sample stays
            }
            const TMemoryStream before = image;
            AddEcho(image, echo);
            reference.Add(dry, Settings.EchoTracks);

            SCOPED_TRACE(::testing::Message()
                         << "run " << run << " chunk " << chunk << " tracks " << Settings.EchoTracks
                         << " delay " << Settings.EchoDelay << " volume " << Settings.EchoVolume
                         << " samples " << count);
            ASSERT_EQ(image.size(), before.size());
            ASSERT_TRUE(std::equal(before.begin(), before.begin() + 46, image.begin()));
            ASSERT_EQ(image.back(), before.back());
            ASSERT_EQ(Samples(image, 46, count), dry);
            for (int t = 1; t <= std::clamp(Settings.EchoTracks, 0, kMaxEchoTracks); ++t) {
                ASSERT_EQ(echo.EchoReadPos[t - 1], reference.readPos[t - 1]) << "tap " << t;
                ASSERT_EQ(echo.EchoLength[t - 1], reference.length[t - 1]) << "tap " << t;
                const std::vector<std::int16_t> stored =
                    Samples(echo.EchoBuffers[t - 1], 0, reference.length[t - 1]);
                ASSERT_TRUE(
                    std::equal(stored.begin(), stored.end(), reference.line[t - 1].begin() + 1))
                    << "tap " << t;
            }
        }
    }
}

TEST(ReferenceGain, RandomBuffersMatchSampleBySample) {
    std::mt19937 rng(11);
    const double fixed[] = {1.0, 0.0, -1.0, 2.0, 0.5, 1e-9, 65535.0, 1e6, -3e9, INFINITY, NAN};
    for (int run = 0; run < 3000; ++run) {
        double g = std::uniform_real_distribution<double>(-4.0, 4.0)(rng);
        if (run % 3 == 0) {
            g = fixed[rng() % std::size(fixed)];
        } else if (run % 3 == 1) {
            g = std::round(g * 8) / 8;  // exact ties
        }
        TMemoryStream buffer = BytesOf(RandomSamples(rng, rng() % 3000));
        if (rng() % 3 == 0) {
            buffer.push_back(static_cast<std::uint8_t>(rng()));  // odd size
        }
        const auto n = static_cast<std::int64_t>(rng() % (buffer.size() + 20)) - 3;

        TMemoryStream expected = buffer;
        EnsureBufferSize(expected, n);
        if (g != 1.0) {
            const auto last = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(n) / 2));
            for (std::int64_t i = 1; i <= last && 2 * i <= std::ssize(expected); ++i) {
                std::uint8_t* p = &expected[2 * (i - 1)];
                const std::int16_t x = LoadSample(p);
                if (x < -1 || x > 1) {
                    StoreSample(p, RoundSaturated(x * g));
                }
            }
        }
        ApplyGain(buffer, n, g);
        ASSERT_EQ(buffer, expected) << "run " << run << " g " << g << " n " << n;
    }
}

}  // namespace
}  // namespace vokadlo::test
