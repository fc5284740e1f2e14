// The host session: play-time events, stopping, errors, teardown order, plain text, word mode,
// the Czech reading.
#include "engine/EngineSession.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/Doubles.h"
#include "tests/doubles/RecordingPlayer.h"
#include "text/TagSpans.h"

namespace vokadlo::test {
namespace {

// Records whether the engine still existed when the sound was first stopped.
class TStopWitness final : public ISoundPlayer {
  public:
    bool PlaySound(const std::uint8_t*, std::size_t, int flags) override {
        return (flags & kPlayFlagNoStop) == 0 || !busy;
    }
    void Stop() override {
        if (++stops == 1) {
            engineAliveAtFirstStop = SayTextInstance != nullptr;
        }
    }
    bool busy = true;  // a chunk never ends by itself
    int stops = 0;
    bool engineAliveAtFirstStop = false;
};

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() : player(clock) {
        configDir = std::filesystem::temp_directory_path() /
                    ("vokadlo-session-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(configDir);
        SetConfigDirOverride(configDir);
        resources.Add("A", MakeRecording(std::vector<std::int16_t>(2721, 100)));
        Settings.ProsodySeed = 1;
    }
    ~SessionTest() override {
        SetConfigDirOverride({});
        std::error_code ignored;
        std::filesystem::remove_all(configDir, ignored);
    }

    // A session on the test's clock and player that logs every event as a line.
    std::unique_ptr<TEngineSession> MakeSession(ISoundPlayer* soundPlayer = nullptr) {
        TSessionConfig config;
        config.timers = &clock;
        config.player = soundPlayer ? soundPlayer : &player;
        config.notice = &notice;
        config.resources = &resources;
        config.settingsStore = [] { return std::make_unique<TMemorySettingsStore>(); };
        TSessionEvents events;
        events.ChunkStarted = [this](const TChunkStart& c) {
            log.push_back("chunk " + std::to_string(c.index) + " slot " + std::to_string(c.slot) +
                          " '" + Cp1250ToUtf8(c.display) + "'");
        };
        events.Bookmark = [this](std::int32_t mark) {
            log.push_back("mark " + std::to_string(mark));
        };
        events.EndMarker = [this] { log.push_back("end marker"); };
        events.End = [this] { log.push_back("end"); };
        events.Error = [this](const std::string& message) { log.push_back("error " + message); };
        return std::make_unique<TEngineSession>(std::move(config), std::move(events));
    }

    void RunOut(TEngineSession& session) {
        ASSERT_TRUE(clock.AdvanceUntil([&] { return !session.Speaking(); }, 60000));
    }

    TSettingsGuard guard;
    std::filesystem::path configDir;
    TVirtualClock clock;
    TRecordingPlayer player;
    TRecordingNotice notice;
    TMemoryResources resources;
    std::vector<std::string> log;
};

TEST_F(SessionTest, EventsArriveInPlayOrderWithBookmarksAtTheirChunk) {
    auto session = MakeSession();
    ASSERT_TRUE(session->Speak("\\mrk=1\\jedna dva\\mrk=2\\x tři", TTextEncoding::Utf8));
    EXPECT_TRUE(session->Speaking());
    EXPECT_TRUE(log.empty());  // nothing is reported before it plays
    RunOut(*session);
    EXPECT_EQ(log, (std::vector<std::string>{"chunk 1 slot 1 'jedna '", "mark 1",
                                             "chunk 2 slot 2 'dvax '", "mark 2",
                                             "chunk 3 slot 1 'tři'", "end marker", "end"}));
    EXPECT_FALSE(session->Speaking());
}

TEST_F(SessionTest, StopEndsTheTextWithoutFurtherEvents) {
    auto session = MakeSession();
    session->Speak("jedna dva tři čtyři");
    ASSERT_TRUE(clock.AdvanceUntil([&] { return !log.empty(); }, 5000));
    session->Stop();
    EXPECT_FALSE(session->Speaking());
    clock.Advance(10000);
    EXPECT_EQ(log, std::vector<std::string>{"chunk 1 slot 1 'jedna '"});
}

TEST_F(SessionTest, AFailingStepIsOneErrorEventAndSpeechStops) {
    auto session = MakeSession();
    // The first chunk fails in the step that prepares it; the second in the step that plays
    // the first and prepares the next.
    // The message names the tag as written and the character it starts at in the text given;
    // a tag that stands twice in one word failed at the first.
    const std::string longWord(130, 'a');
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"\\ton=-\\a b", "error bad value \"-\" in tag \\ton=-\\ at character 1"},
        {"a \\Ton=-\\b c", "error bad value \"-\" in tag \\Ton=-\\ at character 3"},
        {"a b\\mrk=-\\c\\mrk=-\\ d", "error bad value \"-\" in tag \\mrk=-\\ at character 4"},
        {longWord + "\\spd=-\\ x", "error bad value \"-\" in tag \\spd=-\\ at character 131"},
    };
    for (const auto& c : cases) {
        log.clear();
        session->Speak(c.text);
        clock.Advance(10000);
        EXPECT_FALSE(session->Speaking()) << c.text;
        ASSERT_FALSE(log.empty()) << c.text;
        EXPECT_EQ(log.back(), c.error);
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& l) { return l.rfind("error", 0) == 0; }),
                  1)
            << c.text;
    }
    // In word mode the whole text is the chunk.
    log.clear();
    EXPECT_FALSE(session->SpeakWord("a \\ton=-\\ b \\ton=-\\"));
    EXPECT_EQ(log,
              std::vector<std::string>{"error bad value \"-\" in tag \\ton=-\\ at character 3"});
    // A handler of the host that throws halts the speech the same way.
    session->Events().ChunkStarted = [](const TChunkStart&) { throw std::runtime_error("disk"); };
    log.clear();
    session->Speak("a b");
    clock.Advance(10000);
    EXPECT_EQ(log, std::vector<std::string>{"error disk"});
}

TEST_F(SessionTest, CzechReadingKeepsBookmarksAndPlacesInTheHostsText) {
    auto session = MakeSession();
    session->SetReading(TReadingMode::Czech);
    // Each chunk with the words of the given text it was read from.
    const std::string text = "Dne 25. 12. \\mrk=1\\platil Ing. Novák 250 Kč, tj. \\mrk=2\\víc.";
    session->Events().ChunkStarted = [&](const TChunkStart& c) {
        log.push_back(Cp1250ToUtf8(c.display) + "<" + text.substr(c.textOffset, c.textLength) +
                      ">");
    };
    session->Speak(text, TTextEncoding::Utf8);
    RunOut(*session);
    EXPECT_EQ(
        log, (std::vector<std::string>{
                 "dne <Dne>", "dvacátého <25. 12.>", "pátého <25. 12.>", "prosince <25. 12.>",
                 "platil <\\mrk=1\\platil>", "mark 1", "inženýr <Ing.>", "novák <Novák>",
                 "dvě <250 Kč>", "stě <250 Kč>", "padesát <250 Kč>", "korun, <250 Kč,>", "to <tj.>",
                 "jest <tj.>", "víc.<\\mrk=2\\víc.>", "mark 2", "end marker", "end"}));
    // As designed, each chunk is the word of the text it shows (UTF-8 bytes counted).
    session->SetReading(TReadingMode::Design);
    session->Events().ChunkStarted = [&](const TChunkStart& c) {
        const std::string given = Utf8ToCp1250(text.substr(c.textOffset, c.textLength));
        EXPECT_EQ(LowerCase(RemoveBackslashTags(given)), Trim(c.display));
    };
    session->Speak(text, TTextEncoding::Utf8);
    RunOut(*session);
    session->Events().ChunkStarted = {};

    // A tag error counts characters in the text as given, in either encoding, not in its
    // longer reading.
    session->SetReading(TReadingMode::Czech);
    for (const TTextEncoding encoding : {TTextEncoding::Utf8, TTextEncoding::Cp1250}) {
        const std::string utf8 = "Mám 25 Kč a \\ton=-\\ víc";
        log.clear();
        session->Speak(encoding == TTextEncoding::Utf8 ? utf8 : Utf8ToCp1250(utf8), encoding);
        clock.Advance(10000);
        EXPECT_EQ(log.back(), "error bad value \"-\" in tag \\ton=-\\ at character 13");
    }
}

TEST_F(SessionTest, DestroyingWhileSpeakingStopsTheSoundBeforeTheEngineGoes) {
    TStopWitness witness;
    auto session = MakeSession(&witness);
    session->Speak("jedna dva tři");
    clock.Advance(1000);
    ASSERT_TRUE(session->Speaking());
    session.reset();
    EXPECT_GE(witness.stops, 1);
    EXPECT_TRUE(witness.engineAliveAtFirstStop);
    EXPECT_EQ(SayTextInstance, nullptr);
    // A later session speaks again.
    auto again = MakeSession();
    again->Speak("a");
    RunOut(*again);
    EXPECT_EQ(log.back(), "end");
}

TEST_F(SessionTest, PlainTextSpeaksTagsAsText) {
    auto session = MakeSession();
    session->SetPlainText(true);
    session->Speak("\\ton=5\\ máma {vol=0}", TTextEncoding::Utf8);
    RunOut(*session);
    EXPECT_EQ(log, (std::vector<std::string>{"chunk 1 slot 1 'ton=5 '", "chunk 2 slot 2 'máma '",
                                             "chunk 3 slot 1 'vol=0}'", "end marker", "end"}));
    EXPECT_EQ(SayTextInstance->CurrentTone, 0);
}

TEST_F(SessionTest, WordModeStartsTheWholeTextAtOnce) {
    auto session = MakeSession();
    session->SpeakWord("Ahoj světe", TTextEncoding::Utf8);
    EXPECT_EQ(log, std::vector<std::string>{"chunk 1 slot 1 'ahoj světe'"});
    RunOut(*session);
    EXPECT_EQ(log.back(), "end");
}

}  // namespace
}  // namespace vokadlo::test
