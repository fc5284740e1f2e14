#include <gtest/gtest.h>

#include <cstring>

#include "engine/OrvTts.h"
#include "tests/doubles/EngineFixture.h"

namespace vokadlo::test {
namespace {

class SayCycle : public EngineFixture {
  protected:
    SayCycle() {
        Settings.SpeechEnabled = true;
        Settings.ProsodySeed = 7;
        player.SetFixedDuration(500);
        RecordReports();
    }

    TSayText& Engine() { return *SayTextInstance; }

    // Runs the cycle until the final (empty) report or `limitMs` of virtual time.
    bool RunToEnd(std::int64_t limitMs = 20000) {
        return clock.AdvanceUntil(
            [&] {
                return !reports.empty() && reports.back().text.empty() && !reports.back().hasStream;
            },
            limitMs);
    }

    std::vector<std::string> ReportedTexts() const {
        std::vector<std::string> texts;
        for (const auto& r : reports) {
            texts.push_back(r.text);
        }
        return texts;
    }
};

TEST_F(SayCycle, TwoWordsGiveTwoChunksThenTheEndReports) {
    Say("dobry den");
    EXPECT_TRUE(reports.empty());  // the first chunk is prepared on the first tick
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(), (std::vector<std::string>{"dobry ", "den", "{kOnEc}", ""}));
    EXPECT_TRUE(reports[0].hasStream);
    EXPECT_TRUE(reports[1].hasStream);
    EXPECT_FALSE(reports[2].hasStream);
    // Prepared at 100 ms, started at 200 ms; the second starts within a step of the first's end.
    EXPECT_EQ(reports[0].at, 200);
    EXPECT_GE(reports[1].at, 700);
    EXPECT_LE(reports[1].at, 800);
    EXPECT_GE(reports[2].at, reports[1].at + 500);
    EXPECT_LE(reports[2].at, reports[1].at + 750);

    const auto chunks = player.Chunks();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].address, Engine().WaveStreams[0].data());  // slot 1, then slot 2
    EXPECT_EQ(chunks[1].address, Engine().WaveStreams[1].data());
    EXPECT_EQ(chunks[0].flags, kPlayAsync);
    EXPECT_TRUE(Engine().PendingText.empty());
    EXPECT_FALSE(Engine().StepTimer->Enabled());
    EXPECT_FALSE(Engine().EndTimer->Enabled());
}

TEST_F(SayCycle, NewTextStartedOnTheEndMarkerGetsNoStaleEndReport) {
    bool repeated = false;
    SetSayCallback([&](const std::string& text, const TMemoryStream* stream) {
        reports.push_back({text, stream != nullptr, clock.Now()});
        if (text == kEndMarker && !repeated) {
            repeated = true;
            Say("znovu");
        }
    });
    Say("jednou");
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(),
              (std::vector<std::string>{"jednou", "{kOnEc}", "znovu", "{kOnEc}", ""}));
}

TEST_F(SayCycle, TrailingSpacesMakeNoExtraChunk) {
    Say("slovo    ");
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(), (std::vector<std::string>{"slovo ", "{kOnEc}", ""}));
}

TEST_F(SayCycle, BlankTextStopsSoundAndReportsNothing) {
    for (const char* blank : {"", "   ", " \r\n\t "}) {
        const std::size_t before = player.Played().size();
        Say(blank);
        ASSERT_EQ(player.Played().size(), before + 1);
        EXPECT_EQ(player.Played().back().flags, kPlayAsync);  // the silent image cuts off sound
        EXPECT_EQ(player.Played().back().image.size(), 48u);
        clock.Advance(2000);
        EXPECT_TRUE(reports.empty());
        EXPECT_TRUE(Engine().PendingText.empty());
        EXPECT_FALSE(Engine().StepTimer->Enabled());
    }
}

TEST_F(SayCycle, NewSayCutsOffThePlayingChunkAndSlotsGoOn) {
    Say("jedna dva tri");
    clock.AdvanceUntil([&] { return reports.size() == 1; }, 5000);
    ASSERT_EQ(Engine().CurrentSlot, 2);  // switched after the first chunk started
    ASSERT_TRUE(player.Busy());

    Say("ctyri");
    EXPECT_EQ(player.Played().back().flags, kPlayAsync);
    EXPECT_EQ(player.Played().back().image.size(), 48u);
    EXPECT_FALSE(player.Busy());
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(), (std::vector<std::string>{"jedna ", "ctyri", "{kOnEc}", ""}));
    EXPECT_EQ(player.Chunks().back().address, Engine().WaveStreams[1].data());  // slot 2
}

TEST_F(SayCycle, LongWordIsCutAfter120Characters) {
    const std::string word(150, 'a');
    Say(word + " konec");
    ASSERT_TRUE(RunToEnd(60000));
    ASSERT_GE(reports.size(), 5u);
    EXPECT_EQ(reports[0].text, std::string(120, 'a'));
    EXPECT_EQ(reports[1].text, std::string(30, 'a') + " ");
    EXPECT_EQ(reports[2].text, "konec");
}

TEST_F(SayCycle, WordModeStartsWithinTheCall) {
    SayWord("ahoj svete");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "ahoj svete");
    EXPECT_EQ(reports[0].at, 0);
    EXPECT_FALSE(Engine().WordMode);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(), (std::vector<std::string>{"ahoj svete", "{kOnEc}", ""}));
}

TEST_F(SayCycle, WordModeTailChunkCutsOffTheFirst) {
    std::string text;
    while (text.size() < 130) {
        text += "slovo ";
    }
    SayWord(text);  // 132 characters: 120, then the rest before the glued end marker
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text.size(), 120u);
    ASSERT_TRUE(player.Busy());
    clock.AdvanceUntil([&] { return reports.size() == 2; }, 1000);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].at, 100);  // one step later, while the first still plays
    EXPECT_EQ(reports[1].text, text.substr(120) + "{konec}");
    ASSERT_TRUE(RunToEnd());
}

TEST_F(SayCycle, TagOnlyChunkIsSkippedWithoutReport) {
    Say("prvni \\ton=3\\ druhe");
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(ReportedTexts(), (std::vector<std::string>{"prvni ", "druhe", "{kOnEc}", ""}));
    EXPECT_EQ(Engine().CurrentTone, 3);  // its tag still took effect
}

TEST_F(SayCycle, ErrorInTheStepHaltsSilently) {
    int calls = 0;
    SetSayCallback([&](const std::string&, const TMemoryStream*) {
        if (++calls == 1) {
            throw std::runtime_error("host failed");
        }
    });
    Say("jedna dva tri");
    EXPECT_NO_THROW(clock.Advance(10000));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(Engine().StepTimer->Enabled());
    EXPECT_FALSE(Engine().EndTimer->Enabled());
    EXPECT_FALSE(Engine().PendingText.empty());  // halted, not idle

    Say("znovu");  // the next Say starts afresh
    EXPECT_NO_THROW(clock.Advance(5000));
    EXPECT_EQ(calls, 4);  // chunk, end marker, end
}

TEST_F(SayCycle, ErrorPreparingTheFirstChunkReachesTheTimerDispatch) {
    Say("\\ton=-\\a dale");
    EXPECT_THROW(clock.Advance(100), std::exception);
    EXPECT_FALSE(Engine().StepTimer->Enabled());
    clock.Advance(2000);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SayCycle, ErrorPreparingInWordModeReachesTheCaller) {
    EXPECT_THROW(SayWord("\\ton=-\\a"), std::exception);
    EXPECT_FALSE(Engine().WordMode);
}

TEST_F(SayCycle, ThePlayingImageIsNeverTouchedWhileTheOtherIsPrepared) {
    Say("jedna dva tri ctyri pet sest");
    ASSERT_TRUE(RunToEnd(60000));
    const auto chunks = player.Chunks();
    ASSERT_EQ(chunks.size(), 6u);
    // Each chunk's image still held its bytes when the next chunk started: the next one was
    // prepared into the other slot. (The slot is rebuilt only after that.)
    for (std::size_t i = 0; i + 1 < chunks.size(); ++i) {
        EXPECT_NE(chunks[i].address, chunks[i + 1].address);
    }
    EXPECT_EQ(chunks[4].address, chunks[0].address);
}

TEST_F(SayCycle, PlayingSlotKeepsItsBytesDuringPreparation) {
    // Capture the playing image at the moment the next chunk has been prepared.
    std::vector<std::pair<const std::uint8_t*, TMemoryStream>> playing;
    SetSayCallback([&](const std::string&, const TMemoryStream* stream) {
        if (stream) {
            playing.emplace_back(stream->data(), *stream);
        }
    });
    Say("raz dva tri");
    clock.AdvanceUntil([&] { return playing.size() == 1 && Engine().ChunkReady; }, 5000);
    ASSERT_EQ(playing.size(), 1u);
    ASSERT_TRUE(Engine().ChunkReady);  // the second chunk is ready in the other slot
    const TMemoryStream& slot1 = Engine().WaveStreams[0];
    EXPECT_EQ(slot1.data(), playing[0].first);
    EXPECT_EQ(slot1, playing[0].second);
}

}  // namespace
}  // namespace vokadlo::test
