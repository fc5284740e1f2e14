// Synthesis on the real recordings of the built-in voice.
#include "voice/BuiltinVoice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/EngineSettings.h"
#include "synthesis/Periods.h"
#include "synthesis/SampleBank.h"
#include "synthesis/WavImage.h"
#include "synthesis/WaveAssembly.h"
#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

TMemoryStream ReadVoiceFile(const std::string& name) {
    std::ifstream file(std::filesystem::path(VOKADLO_VOICE_DIR) / (name + ".wav"),
                       std::ios::binary);
    return TMemoryStream(std::istreambuf_iterator<char>(file), {});
}

TEST(BuiltinVoice, HoldsEveryRecordingByNameIgnoringCase) {
    const char* names[] = {"A", "B",  "C",  "CH", "CV", "D",  "DV", "E",  "F", "G", "H",  "I",
                           "J", "K",  "KK", "L",  "LU", "M",  "N",  "NV", "O", "P", "PK", "Q",
                           "R", "RV", "S",  "SV", "T",  "TV", "U",  "V",  "Z", "ZV"};
    for (const char* name : names) {
        const TMemoryStream file = ReadVoiceFile(name);
        ASSERT_FALSE(file.empty()) << name;
        std::string lower = name;
        for (char& c : lower) {
            c = static_cast<char>(c - 'A' + 'a');
        }
        for (const std::string& asked : {std::string(name), lower}) {
            const auto found = BuiltinVoice().FindWav(asked);
            ASSERT_TRUE(found) << asked;
            EXPECT_TRUE(std::equal(found->begin(), found->end(), file.begin(), file.end()))
                << asked;
        }
    }
    EXPECT_FALSE(BuiltinVoice().FindWav("X"));
    EXPECT_FALSE(BuiltinVoice().FindWav(""));
    EXPECT_FALSE(BuiltinVoice().FindWav("AA"));
}

TEST(BuiltinVoice, UnitCodesFindTheirRecordings) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"\xE1", "A"},  {"\xF9", "U"},  {"\xFA", "U"},  {"\xEC", "E"},  {"w", "V"},
        {"\xE8", "CV"}, {"\xEF", "DV"}, {"\x9D", "TV"}, {"\x9A", "SV"}, {"\x9E", "ZV"},
        {"\xF2", "NV"}, {"\xF8", "RV"}, {"ch", "CH"},   {"kk", "KK"},   {"lu", "LU"},
        {"pk", "PK"},   {"q", "Q"}};
    for (const auto& [sample, name] : rows) {
        TMemoryStream sink;
        LoadPhonemeSample(NormalizeUnitCode(sample), BuiltinVoice(), sink);
        EXPECT_EQ(sink, ReadVoiceFile(name)) << name;
    }
}

TEST(BuiltinVoice, HeaderTemplateOfRecordingA) {
    TMemoryStream header;
    TMemoryStream silence;
    LoadHeaderTemplate(BuiltinVoice(), header, silence);
    ASSERT_EQ(header.size(), 46u);
    EXPECT_EQ(Le32(header, 4), 5552u);
    EXPECT_EQ(Le32(header, 40), 5442u);
    EXPECT_EQ(header[44], 0xF4);
    EXPECT_EQ(header[45], 0xFF);
    EXPECT_EQ(silence.size(), 48u);
}

// Recording A cut and rendered with neutral pitch, unit gain and no echo.
class RecordingATest : public ::testing::Test {
  protected:
    RecordingATest() {
        Settings.PitchShift = 0;
        Settings.IntonationOn = false;
        Settings.IntonationLinear = false;
        Settings.EchoVolume = 0;
        TMemoryStream silence;
        LoadHeaderTemplate(BuiltinVoice(), header, silence);
        const auto a = *BuiltinVoice().FindWav("a");
        work.assign(a.begin() + 46, a.end());
        const auto w = static_cast<std::int32_t>((a.size() - 46 - 120) / 2);
        s = SplitAtPitchMarks(work, w, cut);
    }
    // The output of periods in this order, cut from the recording itself.
    std::vector<std::int16_t> Periods(const std::vector<int>& order) const {
        std::vector<std::int16_t> out;
        for (int k : order) {
            const auto samples =
                Samples(work, 2 * static_cast<std::size_t>(cut.PeriodStarts[k - 1] - 1),
                        static_cast<std::size_t>(cut.PeriodEnds[k - 1] - cut.PeriodStarts[k - 1]));
            out.insert(out.end(), samples.begin(), samples.end());
        }
        return out;
    }
    std::vector<std::int16_t> Render(std::int32_t duration) {
        TCharacter unit = Unit("a", duration);
        unit.Volume = 0;
        TSayWord word = Chunk({unit});
        RenderChunk(word, image, header, buffers, echo, BuiltinVoice());
        return ImageSamples(image);
    }
    TSettingsGuard guard;
    TMemoryStream header;
    TMemoryStream work;
    TRenderBuffers cut;
    std::int32_t s = 0;
    TMemoryStream image;
    TRenderBuffers buffers;
    TEchoState echo;
};

TEST_F(RecordingATest, TwentyOnePeriodsOf4992Bytes) {
    EXPECT_EQ(s, 21);
    std::int64_t bytes = 0;
    for (int k = 1; k <= s; ++k) {
        bytes += 2 * (cut.PeriodEnds[k - 1] - cut.PeriodStarts[k - 1]);
    }
    EXPECT_EQ(bytes, 4992);
}

TEST_F(RecordingATest, Duration170DropsPeriods2To10Even) {
    EXPECT_EQ(Render(170), Periods({1, 3, 5, 7, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
}

TEST_F(RecordingATest, Duration360WritesPeriods4To17Twice) {
    std::vector<int> order = {1, 2, 3};
    for (int k = 4; k <= 17; ++k) {
        order.insert(order.end(), {k, k});
    }
    order.insert(order.end(), {18, 19, 20, 21});
    EXPECT_EQ(Render(360), Periods(order));
}

TEST_F(RecordingATest, DefaultSettingsDoubleTheLevel) {
    std::vector<std::int16_t> plain = Render(230);  // r = 1, nothing dropped
    Settings.IntonationOn = true;                   // back to the initial settings, flat pitch
    TCharacter unit = Unit("a", 230);
    unit.Volume = 63750;
    TSayWord word = Chunk({unit});
    word.WordVolume = 63750;
    Settings.IntonationLinear = false;
    RenderChunk(word, image, header, buffers, echo, BuiltinVoice());
    const auto loud = ImageSamples(image);
    ASSERT_EQ(loud.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int x = plain[i];
        const int expected = (x >= -1 && x <= 1) ? x : std::clamp(2 * x, -32768, 32767);
        ASSERT_EQ(loud[i], expected) << i;
    }
}

}  // namespace
}  // namespace vokadlo::test
