// The limits a hostile user reaches, through the session on a virtual clock: many tags, a
// dictionary of many rows, long texts without a space, a settings file too large to read. Each
// text is spoken to its end, and a long one in time that grows with its length, not faster.
#include <gtest/gtest.h>

#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/EngineSettings.h"
#include "engine/EngineSession.h"
#include "platform/ConfigDir.h"
#include "platform/RegSettingsStore.h"
#include "tests/doubles/Doubles.h"

namespace vokadlo::test {
namespace {

class Limits : public ::testing::Test {
  protected:
    Limits() {
        configDir = std::filesystem::temp_directory_path() /
                    ("vokadlo-limits-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(configDir);
        SetConfigDirOverride(configDir);
        resources.Add("A", MakeRecording(std::vector<std::int16_t>(2721, 100)));
        Settings.ProsodySeed = 1;
    }
    ~Limits() override {
        SetConfigDirOverride({});
        std::error_code ignored;
        std::filesystem::remove_all(configDir, ignored);
    }

    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(configDir / name, std::ios::binary) << bytes;
    }

    // A silent session on its own virtual clock; the store is the settings file of the folder
    // when `storeFile` is set.
    std::unique_ptr<TEngineSession> MakeSession(bool storeFile = false) {
        TSessionConfig config;
        config.output = TSessionConfig::TOutput::Silent;
        config.notice = &notice;
        config.resources = &resources;
        if (!storeFile) {
            config.settingsStore = [] { return std::make_unique<TMemorySettingsStore>(); };
        }
        TSessionEvents events;
        events.ChunkStarted = [this](const TChunkStart& c) { shown.push_back(c.display); };
        events.ChunkRendered = [this](const TSayWord& record, const TMemoryStream&, std::uint8_t,
                                      const std::string&) {
            texts.push_back(record.Text);
            tones.push_back(record.CharCount > 0 ? record.Chars[0].Tone : 99);
        };
        events.End = [this] { ended = true; };
        events.Error = [this](const std::string& message) { errors.push_back(message); };
        return std::make_unique<TEngineSession>(std::move(config), std::move(events));
    }

    // Speaks `text` to its end; the CPU seconds it took.
    double SpeakAll(TEngineSession& session, const std::string& text) {
        ended = false;
        timespec start{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
        EXPECT_TRUE(session.Speak(text));
        session.RunUntilIdle();
        timespec end{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
        EXPECT_TRUE(ended);
        EXPECT_EQ(errors, std::vector<std::string>{});
        return static_cast<double>(end.tv_sec - start.tv_sec) +
               static_cast<double>(end.tv_nsec - start.tv_nsec) * 1e-9;
    }

    TSettingsGuard guard;
    std::filesystem::path configDir;
    TRecordingNotice notice;
    TMemoryResources resources;
    std::vector<std::string> shown;
    std::vector<std::string> texts;  // the processed text of every rendered chunk
    std::vector<std::int32_t> tones;
    std::vector<std::string> errors;
    bool ended = false;
};

TEST_F(Limits, HundredThousandTags) {
    // Every kind of tag, both forms, and a word after each thousand of them.
    const char* const forms[] = {"\\ton=%d\\ ", "\\spd=%d\\ ", "\\vol=%d\\ ",
                                 "\\mrk=%d\\ ", "{ton=%d} ",   "\\rst\\ "};
    std::string text;
    std::vector<std::int32_t> expectedTones;
    std::int32_t tone = 0;
    for (int i = 0; i < 100000; ++i) {
        const int kind = i % 6;
        const int value = kind == 0 || kind == 4 ? i % 25 - 12
                          : kind == 1            ? 1 + i % 256
                                                 : i % 63751;
        char tag[32];
        std::snprintf(tag, sizeof tag, forms[kind], value);
        text += tag;
        tone = kind == 0 || kind == 4 ? value : tone;
        if (i % 1000 == 999) {
            text += "a ";
            expectedTones.push_back(tone);
        }
    }
    auto session = MakeSession();
    SpeakAll(*session, text);
    std::vector<std::string> expected(100, "a ");
    expected.back() = "a";  // the end of the text
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(tones, expectedTones);
}

TEST_F(Limits, HundredThousandDictionaryRows) {
    std::string rows;
    for (int i = 0; i < 100000; ++i) {
        rows += "k" + std::to_string(i) + "q=ahoj\n";
    }
    WriteFile("vokadlo.dct", rows + "pes=kocour\n");
    auto session = MakeSession();
    SpeakAll(*session, "pes k99999q pes");
    EXPECT_EQ(texts, (std::vector<std::string>{"kocour ", "ahoj ", "kocour"}));
}

TEST_F(Limits, TextWithoutSpacesTakesTimeInProportionToItsLength) {
    // "ß" has no recording, no name and no vowel: every chunk of 120 is spelled, looks at the
    // rest of the text and renders to almost nothing, so the text's handling is what counts.
    auto session = MakeSession();
    const std::string quarter(std::size_t{1} << 17, '\xDF');
    SpeakAll(*session, quarter);  // warm: buffers grown, pages touched
    const double small = SpeakAll(*session, quarter);
    const std::size_t chunks = shown.size() / 2;
    const double large = SpeakAll(*session, std::string(std::size_t{1} << 19, '\xDF'));
    EXPECT_NEAR(static_cast<double>(shown.size() - 2 * chunks), 4.0 * chunks, 8);
    // Linear: about 4 times; copying or searching the rest of the text at every chunk: 16.
    EXPECT_LT(large, 8 * small + 0.05) << small << " s, then " << large << " s";
}

TEST_F(Limits, SettingsFileOverAMegabyte) {
    const std::string key =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\VEMIRa]";
    WriteFile("settings.reg", "REGEDIT4\n\n" + key +
                                  "\n\"Values_Changed\"=dword:00000001\n"
                                  "\"Volume_Position\"=\"30\"\n\"Speed_Position\"=\"150" +
                                  std::string(1 << 20, 'x') + "\"\n\"Pith_Position\"=\"-7\"\n");
    auto session = MakeSession(true);
    // Refused unread, as a store without values, and said once however often it is read.
    session->ReadStoredSettings();
    EXPECT_DOUBLE_EQ(Settings.SpeedFactor, 1.0);
    ASSERT_EQ(notice.shown.size(), 1u);
    EXPECT_NE(notice.shown[0].find("settings.reg: larger than 1 MiB"), std::string::npos);
    SpeakAll(*session, "ahoj");
}

}  // namespace
}  // namespace vokadlo::test
