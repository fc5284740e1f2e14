#include "synthesis/WaveAssembly.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "core/EngineSettings.h"
#include "synthesis/BufferOps.h"
#include "synthesis/WavImage.h"
#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

// Renders with every pitch count neutral, no echo and unit gain, so that output is the
// recording's periods as cut.
class WaveAssemblyTest : public ::testing::Test {
  protected:
    WaveAssemblyTest() {
        Settings.PitchShift = 0;
        Settings.IntonationOn = false;
        Settings.IntonationLinear = false;
        Settings.EchoVolume = 0;
        resources.Add("A", MakeRecording({-12, 100, 200}));
        TMemoryStream silence;
        LoadHeaderTemplate(resources, header, silence);
    }
    // Adds recording `name` made of `periods` tagged periods of `length` samples each.
    void AddTagged(const std::string& name, int periods, int length) {
        std::vector<std::vector<std::int16_t>> cut;
        for (int k = 1; k <= periods; ++k) {
            cut.push_back(TaggedPeriod(k, length));
        }
        resources.Add(name, MarkedRecording(cut));
    }
    TCharacter Sounded(std::string code, std::int32_t duration = 150) {
        TCharacter unit = Unit(std::move(code), duration);
        unit.Volume = 0;  // no unit volume factor (and so no VolumeFactor)
        return unit;
    }
    std::vector<std::int16_t> Render(std::vector<TCharacter> units) {
        word = Chunk(std::move(units));
        RenderChunk(word, image, header, buffers, echo, resources);
        return ImageSamples(image);
    }
    TSettingsGuard guard;
    TMemoryResources resources;
    TMemoryStream header;
    TMemoryStream image;
    TRenderBuffers buffers;
    TEchoState echo;
    TSayWord word;
};

std::vector<int> Range(int from, int to) {
    std::vector<int> r(to - from + 1);
    std::iota(r.begin(), r.end(), from);
    return r;
}

std::uint32_t DataSize(const TMemoryStream& image) {
    return Le32(image, 40);
}

TEST_F(WaveAssemblyTest, EmptyChunkIsTheHeaderWithDataSizeZero) {
    Render({});
    ASSERT_EQ(image.size(), 46u);
    EXPECT_EQ(DataSize(image), 0u);
    EXPECT_TRUE(std::equal(image.begin() + 44, image.end(), header.begin() + 44));
    EXPECT_EQ(image[44], 0xF4);
    EXPECT_EQ(image[45], 0xFF);
}

TEST_F(WaveAssemblyTest, MissingTemplateThrows) {
    TMemoryStream none;
    word = Chunk({Unit("_")});
    EXPECT_THROW(RenderChunk(word, image, none, buffers, echo, resources), std::runtime_error);
}

struct TSilenceRow {
    std::string code;
    std::int32_t duration;
    std::int32_t pause;
    std::size_t samples;
};

TEST_F(WaveAssemblyTest, PauseAndPunctuationUnits) {
    const std::vector<TSilenceRow> rows = {
        {"_", 150, 99, 3300},  // a pause unit ignores its Pause
        {"_", 10, 0, 220},
        {" ", 10, 0, 220},
        {"!", 10, 5, 220},
        {"?", 10, 0, 220},
        {"", 10, 0, 220},
        {"\x02", 10, 0, 220},
        {",", 500, 200, 4400},  // comma and full stop:
                                // their Pause alone
        {".", 500, 200, 4400},
        {"x", 500, 10, 220},  // no recording: the Pause alone
        {"_", -5, 0, 0},
        {",", 500, -5, 0},
    };
    for (const auto& row : rows) {
        const auto samples = Render({Unit(row.code, row.duration, row.pause)});
        EXPECT_EQ(samples, std::vector<std::int16_t>(row.samples, 0)) << "code " << row.code;
        EXPECT_EQ(DataSize(image), 2 * row.samples);
    }
}

TEST_F(WaveAssemblyTest, RecordingWithoutMarksIsWrittenWholeOnce) {
    std::vector<std::int16_t> body(200);
    std::iota(body.begin(), body.end(), 300);
    resources.Add("T", MarkedRecording({body}));
    for (std::int32_t duration : {1, 13, 1000, 5000}) {
        EXPECT_EQ(Render({Sounded("t", duration)}), body) << duration;
    }
}

TEST_F(WaveAssemblyTest, PauseThenPeriodsAndDataSize) {
    AddTagged("B", 3, 20);
    TCharacter unit = Sounded("b", 1000);  // s < 8: never lengthened, and T > L
    unit.Pause = 1;
    const auto samples = Render({unit});
    ASSERT_EQ(samples.size(), 22u + 60u);
    EXPECT_EQ(std::vector<std::int16_t>(samples.begin(), samples.begin() + 22),
              std::vector<std::int16_t>(22, 0));
    EXPECT_EQ(PeriodSequence(samples), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(DataSize(image), image.size() - 46);
}

// Recording A's figures: 21 periods, 4992 bytes in all, L div s = 237.
class DurationRuleTest : public WaveAssemblyTest {
  protected:
    DurationRuleTest() {
        std::vector<std::vector<std::int16_t>> cut;
        for (int k = 1; k <= 21; ++k) {
            cut.push_back(TaggedPeriod(k, k == 21 ? 116 : 119));
        }
        for (const char* name : {"A", "J", "S", "DV"}) {
            resources.Add(name, MarkedRecording(cut));
        }
    }
    std::vector<int> Periods(std::string code, std::int32_t duration) {
        return PeriodSequence(Render({Sounded(std::move(code), duration)}));
    }
};

TEST_F(DurationRuleTest, ShorteningDropsEverySecondPeriod) {
    // T = 3740 <= L = 4992: d = 1252 div 237 = 5.
    EXPECT_EQ(Periods("a", 170),
              (std::vector<int>{1, 3, 5, 7, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
    // j drops only Round(5 x 0.7) = 4.
    EXPECT_EQ(Periods("j", 170),
              (std::vector<int>{1, 3, 5, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
    // ď is never shortened or lengthened.
    EXPECT_EQ(Periods("\xEF", 170), Range(1, 21));
    EXPECT_EQ(Periods("\xEF", 360), Range(1, 21));
}

TEST_F(DurationRuleTest, LaterSweepsTakeOddThenThirdPeriods) {
    // T = 22: d = 4970 div 237 = 20. Sweep 0 drops 2..16 even (8), the third pass 3, 9, 15, 21
    // (6 and 12 are gone); sweep 1 drops the odd 5, 7, 11, 13, 17 and the third pass 18.
    EXPECT_EQ(Periods("a", 1), (std::vector<int>{1, 19, 20}));
}

TEST_F(DurationRuleTest, LengtheningRepeatsTheMiddlePeriods) {
    // T = 7920 > L: r = (7920 div 237) div 13 = 2, periods 4..17 twice.
    std::vector<int> expected = {1, 2, 3};
    for (int k = 4; k <= 17; ++k) {
        expected.insert(expected.end(), {k, k});
    }
    expected.insert(expected.end(), {18, 19, 20, 21});
    EXPECT_EQ(Periods("a", 360), expected);
    // s is never lengthened.
    EXPECT_EQ(Periods("s", 360), Range(1, 21));
}

TEST_F(DurationRuleTest, FirstPeriodAndEndCut) {
    TCharacter unit = Sounded("a", 230);  // T = 5060 > L, r = 21 div 13 = 1: nothing changes
    unit.FirstPeriod = 5;
    EXPECT_EQ(PeriodSequence(Render({unit})), Range(5, 21));
    for (std::int32_t first : {22, 0, -3}) {
        unit.FirstPeriod = first;
        EXPECT_EQ(PeriodSequence(Render({unit})), Range(1, 21)) << first;
    }
    unit.FirstPeriod = 0;
    unit.EndCut = 3;
    EXPECT_EQ(PeriodSequence(Render({unit})), Range(1, 18));
    unit.EndCut = -4;
    EXPECT_EQ(PeriodSequence(Render({unit})), Range(1, 21));
    unit.EndCut = 21;
    unit.Pause = 1;
    EXPECT_EQ(Render({unit}), std::vector<std::int16_t>(22, 0));
}

TEST_F(WaveAssemblyTest, EightPeriodsAreNeverLengthened) {
    AddTagged("A", 8, 20);
    EXPECT_EQ(PeriodSequence(Render({Sounded("a", 1000)})),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(WaveAssemblyTest, MarksSharingTheirZeroLeaveANegativePeriod) {
    std::vector<std::int16_t> samples = {7};
    const auto p1 = TaggedPeriod(1, 20);
    const auto p3 = TaggedPeriod(3, 20);
    samples.insert(samples.end(), p1.begin(), p1.end());
    samples.insert(samples.end(), kMark.begin(), kMark.end());
    samples.insert(samples.end(), kMark.begin() + 1, kMark.end());  // shares the first mark's 0
    samples.insert(samples.end(), p3.begin(), p3.end());
    samples.push_back(9);
    samples.insert(samples.end(), 23, 5);
    resources.Add("A", MakeRecording(samples));
    std::vector<std::int16_t> expected = p1;
    expected.insert(expected.end(), p3.begin(), p3.end());
    for (std::int32_t duration : {150, 5000}) {
        EXPECT_EQ(Render({Sounded("a", duration)}), expected) << duration;
    }
    // Its -2 bytes count in L = 78: T = 44 gives d = 34 div 26 = 1, which only period 3 can take.
    EXPECT_EQ(Render({Sounded("a", 2)}), p1);
}

TEST_F(WaveAssemblyTest, TablesGrowPastTheirOldLimits) {
    std::vector<std::vector<std::int16_t>> cut(200, std::vector<std::int16_t>(16, 300));
    resources.Add("A", MarkedRecording(cut));
    // L = 6400 < T = 6600, r = (6600 div 32) div 192 = 1: every period once.
    EXPECT_EQ(Render({Sounded("a", 300)}).size(), 200u * 16u);
    // Shorter: d = (6400 - 2200) div 32 = 131 drops.
    EXPECT_EQ(Render({Sounded("a", 100)}).size(), (200u - 131u) * 16u);
}

TEST_F(WaveAssemblyTest, PitchPassesResampleEveryPeriod) {
    AddTagged("A", 3, 30);
    auto expectedWith = [](std::vector<std::int32_t> counts) {
        std::vector<std::int16_t> out;
        for (int k = 1; k <= 3; ++k) {
            TMemoryStream period = BytesOf(TaggedPeriod(k, 30));
            std::int32_t bytes = 60;
            for (std::int32_t c : counts) {
                ResamplePeriod(period, c, bytes);
            }
            const auto s = Samples(period, 0, bytes / 2);
            out.insert(out.end(), s.begin(), s.end());
        }
        return out;
    };
    TCharacter unit = Sounded("a", 1000);
    Settings.PitchShift = 4;
    unit.ToneLo = -1;
    unit.ToneHi = -5;
    EXPECT_EQ(Render({unit}), expectedWith({3, -5}));

    Settings.IntonationOn = true;  // flat intonation: a third pass with Round(Intonation)
    word.Intonation = 0;
    TSayWord flat = Chunk({unit});
    flat.Intonation = 6.5;
    RenderChunk(flat, image, header, buffers, echo, resources);
    EXPECT_EQ(ImageSamples(image), expectedWith({3, -5, 6}));
    EXPECT_EQ(flat.Intonation, 6.5);
}

TEST_F(WaveAssemblyTest, LinearGlideMovesIntonationPerWrittenPeriod) {
    AddTagged("A", 7, 40);             // s < 8: each period written once
    Settings.IntonationLinear = true;  // runs whatever IntonationOn says
    TCharacter unit = Sounded("a", 1000);
    unit.Pitch = 25;
    TSayWord glide = Chunk({unit});
    glide.Intonation = 20;
    glide.IntonationStep = 0.1;
    RenderChunk(glide, image, header, buffers, echo, resources);

    std::vector<std::int16_t> expected;
    double intonation = 20;
    for (int k = 1; k <= 7; ++k) {
        intonation += 0.1;
        TMemoryStream shifted;
        const std::int32_t bytes =
            ResamplePeriodCopy(BytesOf(TaggedPeriod(k, 40)), shifted,
                               static_cast<std::int32_t>(std::nearbyint(intonation)), 80);
        const auto s = Samples(shifted, 0, bytes / 2);
        expected.insert(expected.end(), s.begin(), s.end());
    }
    EXPECT_EQ(glide.Intonation, intonation);
    EXPECT_EQ(ImageSamples(image), expected);

    // Once it reaches the target it stays: 100 periods from 20 settle at 25.
    resources.Add("A", MarkedRecording(std::vector<std::vector<std::int16_t>>(
                           100, std::vector<std::int16_t>(16, 300))));
    glide.Intonation = 20;
    RenderChunk(glide, image, header, buffers, echo, resources);
    EXPECT_NEAR(glide.Intonation, 25.0, 1e-9);

    // Downward it settles one step above the target: the step that passes below is taken back.
    glide.Chars[0].Pitch = -3;
    glide.Intonation = 0;
    RenderChunk(glide, image, header, buffers, echo, resources);
    EXPECT_GT(glide.Intonation, -3.0);
    EXPECT_NEAR(glide.Intonation, -2.9, 1e-9);

    // Linear mode writes periods without the flat third pass, whatever IntonationOn says.
    Settings.IntonationOn = true;
    AddTagged("A", 7, 40);
    glide.Chars[0].Pitch = 25;
    glide.Intonation = 25;
    RenderChunk(glide, image, header, buffers, echo, resources);
    expected.clear();
    for (int k = 1; k <= 7; ++k) {
        TMemoryStream shifted;
        const std::int32_t bytes =
            ResamplePeriodCopy(BytesOf(TaggedPeriod(k, 40)), shifted, 25, 80);
        const auto s = Samples(shifted, 0, bytes / 2);
        expected.insert(expected.end(), s.begin(), s.end());
    }
    EXPECT_EQ(ImageSamples(image), expected);
    EXPECT_EQ(glide.Intonation, 25);
}

struct TGainRow {
    double gain;
    std::int32_t volume;
    double wordVolume;
    std::int16_t out;  // from 1000
};

TEST_F(WaveAssemblyTest, GainChain) {
    resources.Add("T", MarkedRecording({{1000, 1000, 1000, 0, 1, -1, 1000}}));
    const std::vector<TGainRow> rows = {
        {1.0, 63750, 63750, 2000},                         // initial settings: 2 x Gain
        {1.5, 63750, 63750, 3000}, {1.5, 0, 63750, 1500},  // Volume 0 skips VolumeFactor too
        {1.0, 0, 0, 1000},                                 // no factor at all: the recorded level
        {1.0, 31875, 0, 1000},                             // half volume x VolumeFactor 2
        {2.0, 0, 31875, 1000},     {40.0, 0, 0, 32767},    // saturates instead of wrapping
        {-40.0, 0, 0, -32768},
    };
    for (const auto& row : rows) {
        TCharacter unit = Sounded("t");
        unit.Gain = row.gain;
        unit.Volume = row.volume;
        word = Chunk({unit});
        word.WordVolume = row.wordVolume;
        RenderChunk(word, image, header, buffers, echo, resources);
        const std::int16_t o = row.out;
        EXPECT_EQ(ImageSamples(image), (std::vector<std::int16_t>{o, o, o, 0, 1, -1, o}))
            << row.gain;
    }
}

TEST_F(WaveAssemblyTest, EchoRunsAfterTheDataSizeAndIntoTheNextChunk) {
    Settings.EchoTracks = 1;
    Settings.EchoDelay = 3;
    Settings.EchoVolume = 50;
    ResetEcho(echo);
    resources.Add("T", MarkedRecording({{1000, 0, 0, 0, 0, 800, 0}}));
    EXPECT_EQ(Render({Sounded("t")}), (std::vector<std::int16_t>{1000, 0, 0, 0, 500, 800, 0}));
    EXPECT_EQ(DataSize(image), 14u);
    // The delayed 800 lands in the next chunk (one sample later for the boundary).
    EXPECT_EQ(Render({Unit("_", 1)}),
              (std::vector<std::int16_t>{0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0,
                                         0, 0, 0, 0,   0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(WaveAssemblyTest, MissingDiskFileSilencesOnlyItsUnit) {
    Settings.SamplesFromDisk = true;
    Settings.SampleFolder = "/nonexistent-vokadlo-folder";
    const auto samples = Render({Unit("a", 100, 1), Unit("_", 1)});
    EXPECT_EQ(samples, std::vector<std::int16_t>(44, 0));
}

TEST_F(WaveAssemblyTest, NoUnitSoundsLongerThanTenSeconds) {
    constexpr std::size_t kTenSeconds = 220500;  // samples at 22050 per second
    AddTagged("A", 30, 3);                       // tiny periods: a huge repeat count
    Settings.PitchShift = 2;                     // every pitch pass lengthens the periods
    Settings.SamplesPerMs = 100;
    TCharacter sounded = Sounded("a", INT32_MAX);
    sounded.ToneHi = 2;
    for (const bool linear : {false, true}) {
        Settings.IntonationOn = true;
        Settings.IntonationLinear = linear;
        word = Chunk({sounded});
        word.Intonation = 2;
        RenderChunk(word, image, header, buffers, echo, resources);
        EXPECT_EQ(ImageSamples(image).size(), kTenSeconds) << linear;
    }
    Settings.PitchShift = 0;
    Settings.IntonationOn = false;
    Settings.SamplesPerMs = 22;
    // Silence of a pause unit, a pause before a sound, and the two together.
    EXPECT_EQ(Render({Unit("_", INT32_MAX)}).size(), 10000u * 22);
    TCharacter paused = Sounded("a", 150);
    paused.Pause = INT32_MAX;
    EXPECT_EQ(Render({paused, Unit(",", 0, 9000)}).size(), kTenSeconds + 9000 * 22);
    paused.Pause = 9990;
    paused.Duration = 9000;
    const std::vector<std::int16_t> cut = Render({paused});
    EXPECT_EQ(cut.size(), kTenSeconds);
    EXPECT_NE(cut.back(), 0);  // the sound is cut, the pause is whole
}

TEST_F(WaveAssemblyTest, UnitsBeyondCharCountAreNotRendered) {
    word = Chunk({Unit("_", 1), Unit("_", 1), Unit("_", 1)});
    word.CharCount = 2;
    RenderChunk(word, image, header, buffers, echo, resources);
    EXPECT_EQ(image.size(), 46u + 88u);
    word.CharCount = 9;  // more than there are: only the units present
    RenderChunk(word, image, header, buffers, echo, resources);
    EXPECT_EQ(image.size(), 46u + 132u);
}

// The wave assembly keeps what it made of a recording for later units; a chunk must sound the
// same whatever the buffers rendered before, and a disk recording is read afresh every time.
TEST_F(WaveAssemblyTest, BuffersKeepNothingAUnitCanHear) {
    AddTagged("A", 12, 40);
    AddTagged("E", 9, 33);
    Settings.PitchShift = -7;
    Settings.IntonationOn = true;
    auto chunk = [this](double gain) {
        std::vector<TCharacter> units;
        for (int i = 0; i < 12; ++i) {
            TCharacter unit = Sounded(i % 3 == 0 ? "e" : "a", 60 + 50 * (i % 4));
            unit.Gain = i % 2 == 0 ? gain : 1.25;  // 1.25 saturates the loudest samples
            unit.ToneLo = i % 5 == 0 ? 3 : 0;
            unit.ToneHi = i % 4 == 1 ? -4 : 0;
            unit.EndCut = i % 3;
            units.push_back(unit);
        }
        TSayWord word = Chunk(units);
        word.Intonation = 5;
        word.IntonationStep = 1;
        return word;
    };
    auto renderedBy = [&](TRenderBuffers& b, TSayWord word) {
        RenderChunk(word, image, header, b, echo, resources);
        return ImageSamples(image);
    };
    for (const bool linear : {false, true}) {
        Settings.IntonationLinear = linear;
        TRenderBuffers fresh;
        const auto expected = renderedBy(fresh, chunk(0.5));
        renderedBy(buffers, chunk(0.75));
        EXPECT_EQ(renderedBy(buffers, chunk(0.5)), expected) << linear;
        EXPECT_EQ(renderedBy(buffers, chunk(0.5)), expected) << linear;
        EXPECT_NE(renderedBy(buffers, chunk(0.75)), expected) << linear;
    }

    const auto folder =
        std::filesystem::temp_directory_path() / ("vokadlo-kept-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Settings.SamplesFromDisk = true;
    Settings.SampleFolder = folder.string();
    auto write = [&](int first) {  // two recordings of the same size, told apart by `first`
        const TMemoryStream bytes = MarkedRecording({TaggedPeriod(first, 30), TaggedPeriod(2, 30)});
        std::ofstream(folder / "a.wav", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    write(1);
    const auto before = Render({Sounded("a", 1000)});
    write(5);
    const auto after = Render({Sounded("a", 1000)});
    std::filesystem::remove_all(folder);
    ASSERT_FALSE(before.empty());
    EXPECT_NE(after, before);
}

}  // namespace
}  // namespace vokadlo::test
