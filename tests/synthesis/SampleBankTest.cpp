#include "synthesis/SampleBank.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/EngineSettings.h"
#include "synthesis/WavImage.h"
#include "tests/synthesis/SynthesisTestUtil.h"

namespace vokadlo::test {
namespace {

TEST(NormalizeUnitCode, Folding) {
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"a",      "a"},
        {"\xE1",   "a"},     // á
        {"\xF9",   "u"},     // ů
        {"\xFA",   "u"},     // ú
        {"\xEC",   "e"},     // ě
        {"\xE9",   "e"},     // é
        {"\xED",   "i"},     // í
        {"\xF3",   "o"},     // ó
        {"w",      "v"},
        {"\xE1x",  "a"},     // á with a second character: the whole code is replaced
        {"ch",     "ch"},
        {"kk",     "kk"},
        {"chx",    "ch"},    // cut to two characters
        {"\xE8",   "\xE8"},  // č
        {"\xC1",   "\xC1"},  // Á is not folded
        {" ",      "_"},
        {"",       "_"},
        {"!",      "_"},
        {"?",      "_"},
        {"?x",     "_"},
        {"\x01",   "_"},
        {"\x1E",   "_"},
        {"\x1F",   "_"},     // code 31 passes the control test but is blank
        {"_",      "_"},
        {",",      ","},
        {".",      "."},
        {"x",      "x"},
    };
    // clang-format on
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(NormalizeUnitCode(in), out) << "code " << in;
    }
}

class SampleBankTest : public ::testing::Test {
  protected:
    SampleBankTest() {
        resources.Add("A", MakeRecording({-12, 1, 2}));
        resources.Add("CV", MakeRecording({77}));
        resources.Add("CH", MakeRecording({88}));
    }
    static std::vector<std::int16_t> Loaded(std::string_view code, const IResourceStore& store) {
        TMemoryStream sink;
        LoadPhonemeSample(code, store, sink);
        return Samples(sink, 44, sink.size() >= 44 + 74 ? (sink.size() - 44 - 74) / 2 : 0);
    }
    TSettingsGuard guard;
    TMemoryResources resources;
};

TEST_F(SampleBankTest, ResourceNamesOfHacekLetters) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"\xE8", "cv"}, {"\xEF", "dv"}, {"\x9D", "tv"}, {"\x9A", "sv"}, {"\x9E", "zv"},
        {"\xF2", "nv"}, {"\xF8", "rv"}, {"ch", "ch"},   {"a", "a"},     {"lu", "lu"}};
    for (const auto& [code, name] : rows) {
        EXPECT_EQ(ResourceNameOf(code), name);
    }
    EXPECT_EQ(Loaded("\xE8", resources), std::vector<std::int16_t>{77});
    EXPECT_EQ(Loaded("ch", resources), std::vector<std::int16_t>{88});
    EXPECT_TRUE(Loaded("x", resources).empty());
}

TEST_F(SampleBankTest, LoadAppendsTheWholeRecording) {
    TMemoryStream sink = {1, 2};
    LoadPhonemeSample("a", resources, sink);
    const TMemoryStream a = MakeRecording({-12, 1, 2});
    ASSERT_EQ(sink.size(), 2 + a.size());
    EXPECT_TRUE(std::equal(a.begin(), a.end(), sink.begin() + 2));
}

class DiskSampleTest : public SampleBankTest {
  protected:
    DiskSampleTest() {
        folder = std::filesystem::temp_directory_path() /
                 ("vokadlo-samples-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        Settings.SamplesFromDisk = true;
        // The folder given with "\" separators, as the settings spell it.
        std::string spelled = folder.string();
        std::replace(spelled.begin(), spelled.end(), '/', '\\');
        Settings.SampleFolder = spelled;
    }
    ~DiskSampleTest() override { std::filesystem::remove_all(folder); }
    void Write(const std::string& utf8Name, const TMemoryStream& bytes) {
        std::ofstream(folder / utf8Name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::path folder;
};

TEST_F(DiskSampleTest, FileNamedAfterTheCodeInUtf8) {
    Write("\xC4\x8D.wav", MakeRecording(std::vector<std::int16_t>(30, 55)));  // č.wav
    Write("cv.wav", MakeRecording(std::vector<std::int16_t>(30, 66)));
    EXPECT_EQ(Loaded("\xE8", resources), std::vector<std::int16_t>(30, 55));
    EXPECT_EQ(DiskRecordingPath("\xE8"), folder.string() + "/\xC4\x8D.wav");
}

TEST_F(DiskSampleTest, MissingShortAndPresentFiles) {
    Write("a.wav", MakeRecording(std::vector<std::int16_t>(24, 3)));  // 166 bytes: usable
    Write("b.wav", MakeRecording(std::vector<std::int16_t>(23, 3)));  // 164 bytes: too short
    EXPECT_EQ(Loaded("a", resources), std::vector<std::int16_t>(24, 3));
    EXPECT_TRUE(Loaded("b", resources).empty());
    EXPECT_TRUE(Loaded("z", resources).empty());
    std::filesystem::create_directory(folder / "c.wav");  // not a file: no recording, no throw
    EXPECT_TRUE(Loaded("c", resources).empty());
    Settings.SampleFolder = (folder / "nowhere").string();
    EXPECT_TRUE(Loaded("a", resources).empty());
}

TEST_F(DiskSampleTest, NamesAreFoundWhateverTheirCase) {
    Write("A.wav", MakeRecording(std::vector<std::int16_t>(24, 1)));
    Write("Ch.WAV", MakeRecording(std::vector<std::int16_t>(24, 2)));
    Write("\xC4\x8C.wav", MakeRecording(std::vector<std::int16_t>(24, 3)));  // Č.wav
    Write("RV.wav", MakeRecording(std::vector<std::int16_t>(24, 4)));  // ř by its resource name
    Write("Z.wav", MakeRecording(std::vector<std::int16_t>(24, 5)));
    Write("z.wav", MakeRecording(std::vector<std::int16_t>(24, 6)));  // the exact name first
    EXPECT_EQ(Loaded("a", resources), std::vector<std::int16_t>(24, 1));
    EXPECT_EQ(Loaded("ch", resources), std::vector<std::int16_t>(24, 2));
    EXPECT_EQ(Loaded("\xE8", resources), std::vector<std::int16_t>(24, 3));
    EXPECT_EQ(Loaded("\xF8", resources), std::vector<std::int16_t>(24, 4));
    EXPECT_EQ(Loaded("z", resources), std::vector<std::int16_t>(24, 6));
    EXPECT_TRUE(Loaded("b", resources).empty());
    EXPECT_TRUE(Loaded("\xE1", resources).empty());  // á is no code of a recording
    EXPECT_EQ(CountDiskRecordings(), 5);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(CountDiskRecordings(), 0);
}

TEST_F(DiskSampleTest, FilesThatAreNoRecordingAreNamedOnce) {
    const TMemoryStream good = MakeRecording(std::vector<std::int16_t>(24, 5));  // 166 bytes
    const auto changed = [&good](std::size_t at, std::uint8_t value) {
        TMemoryStream bytes = good;
        bytes[at] = value;
        return bytes;
    };
    Write("a.wav", good);
    Write("b.wav", {});
    Write("c.wav", {'R'});
    Write("d.wav", TMemoryStream(good.begin(), good.end() - 1));  // 165 bytes
    Write("e.wav", changed(22, 2));                               // stereo
    Write("f.wav", changed(25, 0xAC));                            // 44100 Hz
    Write("g.wav", changed(34, 8));                               // 8-bit
    Write("h.wav", changed(16, 18));                              // "data" not at 36
    Write("i.wav", changed(41, 1));                               // 304 bytes of data declared
    std::filesystem::create_directory(folder / "j.wav");          // missing
    const std::string header = "its header is not mono 16-bit 22050 Hz PCM";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"b", header},
        {"c", header},
        {"d", "it is shorter than 166 bytes"},
        {"e", header},
        {"f", header},
        {"g", header},
        {"h", header},
        {"i", "it declares more data than the file holds"}};
    std::vector<std::string> refused;
    TMemoryStream sink;
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(PhonemeSampleBytes("a", resources, sink, &refused).size(), good.size());
        for (const char* code : {"b", "c", "d", "e", "f", "g", "h", "i", "j"}) {
            EXPECT_TRUE(PhonemeSampleBytes(code, resources, sink, &refused).empty()) << code;
        }
    }
    ASSERT_EQ(refused.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(refused[i], (folder / (expected[i].first + ".wav")).string() +
                                  " is no recording: " + expected[i].second);
    }
    EXPECT_EQ(refused.back(),
              (folder / "j.wav").string() + " is missing (in any case): its sounds are left out");
    EXPECT_EQ(CountDiskRecordings(), 1);
}

TEST_F(SampleBankTest, HeaderTemplateAndSilenceImage) {
    TMemoryStream header;
    TMemoryStream silence;
    LoadHeaderTemplate(resources, header, silence);
    const TMemoryStream a = MakeRecording({-12, 1, 2});
    ASSERT_EQ(header.size(), 46u);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), a.begin()));
    EXPECT_EQ(header[44], 0xF4);
    EXPECT_EQ(header[45], 0xFF);

    TMemoryStream expected(a.begin(), a.begin() + 40);
    for (std::uint8_t b : {0x02, 0x00, 0x00, 0x00, 0xF4, 0xFF, 0x00, 0x00}) {
        expected.push_back(b);
    }
    EXPECT_EQ(silence, expected);

    // Built once: a second call with another store changes nothing.
    TMemoryResources other;
    other.Add("A", MakeRecording({5}));
    LoadHeaderTemplate(other, header, silence);
    EXPECT_EQ(header[44], 0xF4);
}

TEST_F(SampleBankTest, TemplateComesFromTheStoreEvenWithDiskSamples) {
    Settings.SamplesFromDisk = true;
    Settings.SampleFolder = "/nonexistent-vokadlo-folder";
    TMemoryStream header;
    TMemoryStream silence;
    LoadHeaderTemplate(resources, header, silence);
    EXPECT_EQ(header.size(), 46u);
}

TEST(HeaderTemplate, MissingRecordingAThrows) {
    TMemoryResources none;
    TMemoryStream header;
    TMemoryStream silence;
    EXPECT_THROW(LoadHeaderTemplate(none, header, silence), std::runtime_error);
    EXPECT_TRUE(header.empty());
    EXPECT_TRUE(silence.empty());
}

}  // namespace
}  // namespace vokadlo::test
