// Runs of chunks that yield nothing, skipped inside one preparation: the texts, the tags'
// effects, the new-text refreshes and the errors are those of cutting and skipping the chunks
// one by one.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/EngineSettings.h"
#include "core/ParseInt.h"
#include "engine/Tags.h"
#include "engine/TextPipeline.h"
#include "tests/engine/TextFixture.h"
#include "text/TagSpans.h"

namespace vokadlo::test {
namespace {

std::string Times(int count, const std::string& word) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += word;
    }
    return text;
}

// What the engine holds after a preparation.
struct TState {
    std::string pending;
    std::string lastRemainder;
    bool textRestart;
    std::string chunkText;
    std::int32_t tone;
    std::int32_t speed;
    std::int32_t volume;
    std::int32_t mark;
    std::string letters;  // the current record's unit letters
    bool threw;
    std::size_t refreshes;  // settings-store reads of the change flag

    bool operator==(const TState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TState& s) {
    return out << "pending=" << s.pending.size() << ":" << s.pending.substr(0, 40)
               << " last=" << s.lastRemainder.size() << ":" << s.lastRemainder.substr(0, 40)
               << " restart=" << s.textRestart << " chunk=" << s.chunkText << " tone=" << s.tone
               << " speed=" << s.speed << " volume=" << s.volume << " mark=" << s.mark
               << " letters=" << s.letters << " threw=" << s.threw << " refreshes=" << s.refreshes;
}

class SkipRun : public TextFixture {
  protected:
    void SetUp() override {
        Engine().ReadEngineSettings();  // loaded once: every later refresh reads only the flag
    }

    std::size_t Refreshes() const {
        return static_cast<std::size_t>(
            std::count(lastStore->reads.begin(), lastStore->reads.end(), "Values_Changed"));
    }

    TState State(bool threw, std::size_t refreshesBefore) {
        TSayText& e = Engine();
        std::string letters;
        for (const TCharacter& unit : e.CurrentWord().Chars) {
            letters += unit.Letter + "|";
        }
        return {e.PendingText.str(),
                Settings.LastRemainder.str(),
                e.TextRestart,
                e.ChunkText,
                e.CurrentTone,
                e.SpeedPercent,
                e.CurrentVolume,
                e.LastMark,
                letters,
                threw,
                Refreshes() - refreshesBefore};
    }

    // One preparation (`prepare` is PrepareChunk or the model below) and what it left.
    template <typename TPrepare>
    TState Run(TPrepare prepare) {
        const std::size_t before = Refreshes();
        bool threw = false;
        try {
            prepare();
        } catch (const EConvertError&) {
            threw = true;
        }
        return State(threw, before);
    }

    void Restore(const TState& s) {
        TSayText& e = Engine();
        e.PendingText = s.pending;
        Settings.LastRemainder = s.lastRemainder;
        e.TextRestart = s.textRestart;
        e.ChunkText = s.chunkText;
        e.CurrentTone = s.tone;
        e.SpeedPercent = s.speed;
        e.CurrentVolume = s.volume;
        e.LastMark = s.mark;
    }

    // The reference: the queue side cut and skipped one chunk at a time on the engine's strings.
    void ModelPrepare() {
        TSayText& e = Engine();
        const auto blank = [](std::string_view t) { return IsBlank(t); };
        std::string pending = e.PendingText.str();
        for (;;) {
            if (e.TextRestart || pending != Settings.LastRemainder.View()) {
                e.ReloadUserDictionaryIfChanged();
                e.ReadEngineSettings();
                pending = LowerCase(pending);
                e.TextRestart = false;
            }
            const std::size_t space = pending.find(' ');
            if (space != std::string::npos && !e.WordMode) {
                e.ChunkText = pending.substr(0, space + 1);
                pending.erase(0, space + 1);
                if (blank(pending)) {
                    pending = kEndMarker;
                    e.TextRestart = true;
                }
            } else {
                e.ChunkText = pending;
                pending = kEndMarker;
                e.TextRestart = true;
            }
            if (e.ChunkText.size() > 120) {
                pending = e.ChunkText.substr(120) + pending;
                e.ChunkText.resize(120);
            }
            Settings.LastRemainder = pending;
            e.PendingText = pending;
            const std::string letters = BuildUnits(e, ConvertChunk(e.ChunkText, e));
            if (!blank(letters)) {
                break;
            }
            pending = Trim(pending);
            e.PendingText = pending;
            if (pending.empty() || pending == kEndMarker) {
                break;
            }
        }
        e.ChunkText = RemoveBackslashTags(e.ChunkText);
    }

    // Prepares `text` to its end with the model and with PrepareChunk, comparing each step.
    void ExpectSameAsModel(const std::string& text, bool wordMode) {
        Engine().WordMode = wordMode;
        TState state{text, "", true, "", 0, 100, 0, -222, "", false, 0};
        for (int step = 0; step < 400; ++step) {
            Restore(state);
            const TState model = Run([this] { ModelPrepare(); });
            Restore(state);
            state = Run([this] { Engine().PrepareChunk(); });
            ASSERT_EQ(state, model) << "step " << step << " of " << text.substr(0, 80);
            if (state.pending.empty() || state.pending == kEndMarker) {
                return;
            }
        }
        FAIL() << "not used up: " << text.substr(0, 80);
    }
};

TEST_F(SkipRun, LongRunOfTagWordsEndsAtTheFirstSpokenWord) {
    Queue(Times(5000, "\\ton=3\\ ") + "\\ton=-4\\ Slovo DÁL");
    const TState s = Run([this] { Engine().PrepareChunk(); });
    EXPECT_EQ(s.pending, Cp("dál"));
    EXPECT_EQ(s.lastRemainder, Cp("dál"));
    EXPECT_FALSE(s.textRestart);
    EXPECT_EQ(s.chunkText, "slovo ");
    EXPECT_EQ(s.letters, "s|l|o|v|o| |");
    EXPECT_EQ(s.tone, -4);
    EXPECT_EQ(s.refreshes, 1u);  // one text: the trimmed remainders equal what the cuts left
    EXPECT_TRUE(Engine().ChunkReady);
}

TEST_F(SkipRun, EverySkipThatTrimsStartsANewText) {
    // Two spaces: the second one is trimmed off the remainder after each skipped chunk.
    Queue(Times(1000, "\\ton=3\\  ") + "slovo dál");
    EXPECT_EQ(Run([this] { Engine().PrepareChunk(); }).refreshes, 1001u);
    EXPECT_EQ(Engine().PendingText, Cp("dál"));
    EXPECT_EQ(Settings.LastRemainder, Cp("dál"));
    EXPECT_EQ(Engine().ChunkText, "slovo ");

    // Trailing blanks are trimmed at the first skip only.
    Queue("\\ton=1\\ \\ton=2\\ slovo dál  \t");
    EXPECT_EQ(Run([this] { Engine().PrepareChunk(); }).refreshes, 2u);
    EXPECT_EQ(Engine().PendingText, Cp("dál"));
}

TEST_F(SkipRun, EmptyLastChunkAfterARunIsPrepared) {
    Queue(Times(300, "\\ton=1\\ ") + "\\ton=2\\   ");
    const TState s = Run([this] { Engine().PrepareChunk(); });
    EXPECT_EQ(s.pending, kEndMarker);
    EXPECT_EQ(s.lastRemainder, kEndMarker);
    EXPECT_TRUE(s.textRestart);
    EXPECT_EQ(s.chunkText, "");
    EXPECT_EQ(s.tone, 2);
    EXPECT_EQ(s.refreshes, 2u);  // the start, and the trimmed trailing spaces
}

TEST_F(SkipRun, UnreadableTagInASkippedRunLeavesTheTextsOfItsCut) {
    Queue(Times(100, "\\ton=3\\  ") + "\\ton=-\\ Slovo");
    const TState s = Run([this] { Engine().PrepareChunk(); });
    EXPECT_TRUE(s.threw);
    EXPECT_EQ(s.refreshes, 101u);
    EXPECT_EQ(s.pending, "slovo");
    EXPECT_EQ(s.lastRemainder, "slovo");
    EXPECT_FALSE(s.textRestart);
    EXPECT_EQ(s.chunkText, "\\ton=-\\ ");  // as cut: the display text is not made
    EXPECT_EQ(s.tone, 3);
    EXPECT_FALSE(Engine().ChunkReady);
    Engine().PrepareChunk();
    EXPECT_EQ(Engine().ChunkText, "slovo");
}

TEST_F(SkipRun, FailedStageLeavesThePendingTextAsItLeftIt) {
    Queue("\\ton=-\\  Pes");
    EXPECT_THROW(Engine().PrepareChunk(), ETagValueError);
    EXPECT_EQ(Engine().PendingText, " pes");  // the failing chunk cut off, the rest lowered
}

// Skipping relies on this: lower-casing twice is lower-casing once, and it makes or removes
// no space and no blank, so what was searched before a refresh still holds after it.
TEST_F(SkipRun, LowerCasingIsIdempotentAndKeepsBlanks) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const char lower = LowerChar(c);
        EXPECT_EQ(LowerChar(lower), lower) << code;
        EXPECT_EQ(lower == ' ', c == ' ') << code;
        EXPECT_EQ(static_cast<unsigned char>(lower) < 33, static_cast<unsigned char>(c) < 33)
            << code;
    }
}

TEST_F(SkipRun, SameAsChunkByChunkOnMixedTexts) {
    Settings.DecimalSeparator = '.';
    const std::string fixed[] = {
        Times(40, "\\ton=3\\") + " " + Times(30, "\\vol=9\\") + "  a",
        Times(40, "\\ton=3\\") + "\t\t" + Times(30, " ") + "X",
        std::string(130, ' ') + "\\ton=5\\" + std::string(130, '\t') + " ahoj",
        Times(25, "\\spd=50\\\t") + " {kOnEc} \\ton=2\\",
        "\\ton=3\\ " + std::string(250, '\\') + " a", Times(20, "\\ton=3\\ \r\n ") + "J",
        // A skipped long chunk leaves its tail before the end marker, which the next
        // refresh lower-cases; spaces trimmed off the end are not spaces of the text.
        std::string(120, '\t') + "a" + std::string(11, ' '),
        "\\ton=3\\ " + Times(17, "\\ton=3\\") + "\\b   ",  // 120 characters yield nothing
    };
    for (const std::string& text : fixed) {
        ExpectSameAsModel(text, false);
        ExpectSameAsModel(text, true);
    }
    const std::string tokens[] = {
        "\\ton=3\\", "\\ton=-5\\", "\\spd=50\\", "\\vol=9\\", "\\mrk=7\\", "\\ton=-\\",
        " ",         "  ",         "\t",         "\r\n",      "a",         "X",
        "Ahoj",      "{kOnEc}",    "\\",         "{vol=1}",   "12",        std::string(150, 'a'),
    };
    std::mt19937 random(6);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(tokens) - 1);
    for (int text = 0; text < 150; ++text) {
        std::string s;
        for (int t = 0; t < 40; ++t) {
            s += tokens[pick(random)];
        }
        ExpectSameAsModel(s, text % 5 == 0);
    }
}

}  // namespace
}  // namespace vokadlo::test
