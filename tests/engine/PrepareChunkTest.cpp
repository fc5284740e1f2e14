#include <gtest/gtest.h>

#include "core/EngineSettings.h"
#include "engine/TextPipeline.h"
#include "tests/engine/TextFixture.h"

namespace vokadlo::test {
namespace {

using PrepareChunk = TextFixture;

struct TGoldenCase {
    const char* input;                 // UTF-8
    std::vector<std::string> chunks;   // processed text of each chunk
    std::vector<std::string> letters;  // each chunk's unit letters
};

// Normal mode, a point as the decimal separator.
const TGoldenCase kGolden[] = {
    {"Mám 25 Kč.",
     {"mám ", "dva cet pjet  ", "ká čé."},
     {"m|á|m| ", "d|v|a| |c|e|t| |p|j|e|t| | ", "k|á| |č|é|."}},
    {"12 ", {"dva náct  "}, {"d|v|a| |n|á|c|t| | "}},
    {"a25", {"a dvje pjet"}, {"a| |d|v|j|e| |p|j|e|t"}},
    {"0", {" nula"}, {" |n|u|l|a"}},
    {".", {" nula"}, {" |n|u|l|a"}},
    {"25. dál", {"dva cet pjet  ", "dál"}, {"d|v|a| |c|e|t| |p|j|e|t| | ", "d|á|l"}},
    {"1 000", {"jedna  ", " nula"}, {"j|e|d|n|a| | ", " |n|u|l|a"}},
    {"x", {"káes"}, {"k|á|e|s"}},  // "x=ks" runs before spelling
    {"k domu", {"k ", "domu"}, {"k| ", "d|o|m|u"}},
    {"jdu k", {"jdu ", "ká_"}, {"j|d|u| ", "k|á|_"}},
    {"j", {"jé_"}, {"j|é|_"}},
    {"a) b.", {"á._", "bé._"}, {"á|.|_", "b|é|.|_"}},
    {"ok krk ps ťť co",
     {"óká ", "káerká ", "pées ", "ťť ", "co"},
     {"ó|k|á| ", "k|á|e|r|k|á| ", "p|é|e|s| ", "ť|ť| ", "c|o"}},
    {"chata", {"chata"}, {"c|a|t|a"}},
    {"spěch", {"spjech"}, {"s|p|j|e|c"}},
    {"a+b", {"a plusb"}, {"a| |p|l|u|s|b"}},
    {"_ahoj", {"ahoj"}, {"a|h|o|j"}},
    {"ČR je", {"čé er", "je"}, {"č|é| |e|r", "j|e"}},  // "čr =čé er" takes the space
    {"Windows", {"windous"}, {"w|i|n|d|o|u|s"}},
    {"anti virus", {"anty ", "virus"}, {"a|n|t|y| ", "v|i|r|u|s"}},
    {"anti", {"anti"}, {"a|n|t|i"}},  // "anti " needs its space
    {"řádek\r\ndva", {"řádek  dva"}, {"ř|á|d|e|k| | |d|v|a"}},
};

TEST_F(PrepareChunk, GoldenTextsBecomeTheseChunksAndUnits) {
    Settings.DecimalSeparator = '.';
    for (const TGoldenCase& c : kGolden) {
        const std::vector<TChunk> chunks = PrepareAll(c.input);
        ASSERT_EQ(chunks.size(), c.chunks.size()) << c.input;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i].text, c.chunks[i]) << c.input << " chunk " << i;
            EXPECT_EQ(chunks[i].letters, c.letters[i]) << c.input << " chunk " << i;
        }
    }
}

TEST_F(PrepareChunk, CommaSeparatorReadsDecimalNumbers) {
    Settings.DecimalSeparator = ',';
    EXPECT_EQ(PrepareAll("3,5")[0].text, "tři  celích pa desát ");
    Settings.DecimalSeparator = '.';
    EXPECT_EQ(PrepareAll("3,5")[0].text, " tři, pjet");
}

TEST_F(PrepareChunk, ShowsTheCutWordLowerCasedWithoutBackslashTags) {
    const std::vector<TChunk> chunks = PrepareAll("Mám \\ton=5\\A{pit=1} 25");
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].shown, "mám ");
    EXPECT_EQ(chunks[1].shown, "a{pit=1} ");
    EXPECT_EQ(chunks[2].shown, "25");
    EXPECT_TRUE(Engine().ChunkReady);
}

TEST_F(PrepareChunk, CompletesTheRecord) {
    Settings.OutputVolume = 30000;
    PrepareAll("chata ");
    const TSayWord& word = Engine().CurrentWord();
    EXPECT_EQ(word.CharCount, 5);
    EXPECT_EQ(word.WordVolume, 30000.0);
    EXPECT_EQ(word.Text, "chata ");
}

TEST_F(PrepareChunk, EmptyPendingTextOnlyReportsReady) {
    Engine().PendingText.clear();
    Engine().PrepareChunk();
    EXPECT_TRUE(Engine().ChunkReady);
    EXPECT_TRUE(Engine().PendingText.empty());
}

// Units as built, before any prosody.
TEST_F(PrepareChunk, BuildsOneUnitPerCharacterWithTheChDigraph) {
    Engine().CurrentTone = 3;
    Engine().SpeedPercent = 90;
    Engine().CurrentVolume = 1234;
    const std::string letters = BuildUnits(Engine(), "ch \\ton=1\\a");
    const TSayWord& word = Engine().CurrentWord();
    ASSERT_EQ(word.Chars.size(), 3u);
    const TCharacter& ch = word.Chars[0];
    EXPECT_EQ(ch.Prev, "c");  // the first unit's own character
    EXPECT_EQ(ch.Letter, "c");
    EXPECT_EQ(ch.Sample, "ch");
    EXPECT_EQ(ch.Next, " ");
    EXPECT_EQ(ch.Duration, 150);
    EXPECT_EQ(ch.Gain, 1.0);
    EXPECT_EQ(ch.Tone, 3);
    EXPECT_EQ(ch.Speed, 90);
    EXPECT_EQ(ch.Volume, 1234);
    EXPECT_EQ(word.Chars[1].Sample, " ");
    EXPECT_EQ(word.Chars[1].Next, "\\");
    const TCharacter& a = word.Chars[2];
    EXPECT_EQ(a.Prev, "\\");  // directly after a tag
    EXPECT_EQ(a.Letter, "a");
    EXPECT_EQ(a.Next, "~");
    EXPECT_EQ(a.Tone, 1);
    EXPECT_EQ(letters, "c ");  // the "h" of "ch" and the last character are not counted
}

TEST_F(PrepareChunk, TagAtTheEndLeavesAnEmptyLastUnit) {
    BuildUnits(Engine(), "ab{x}");
    const TSayWord& word = Engine().CurrentWord();
    ASSERT_EQ(word.Chars.size(), 3u);
    EXPECT_EQ(word.Chars[2].Letter, "");
    EXPECT_EQ(word.Chars[2].Sample, "");
    EXPECT_EQ(word.Chars[2].Prev, "}");
}

TEST_F(PrepareChunk, UnitsBeyondTheHundredTwentiethAreKept) {
    PrepareAll(std::string(40, '7'));  // each digit becomes a name of 4 to 7 characters
    EXPECT_GT(Engine().CurrentWord().CharCount, 120);
    EXPECT_EQ(Engine().CurrentWord().CharCount,
              static_cast<std::int32_t>(Engine().CurrentWord().Text.size()));
}

struct TCutCase {
    const char* input;
    bool wordMode;
    std::vector<std::string> shown;
};

const TCutCase kCuts[] = {
    {"ahoj světe", false, {"ahoj ", "světe"}},  {"ahoj   ", false, {"ahoj "}},
    {"ahoj  světe", false, {"ahoj ", "světe"}},  // the chunk " " is skipped {"   ", false, {" "}},
    {"a\nb c", false, {"a\nb ", "c"}},          {"ahoj světe", true, {"ahoj světe"}},
};

TEST_F(PrepareChunk, CutsWordsAtSpaces) {
    for (const TCutCase& c : kCuts) {
        Engine().WordMode = c.wordMode;
        std::vector<std::string> shown;
        for (const TChunk& chunk : PrepareAll(c.input)) {
            shown.push_back(chunk.shown);
        }
        EXPECT_EQ(shown, c.shown) << c.input;
        EXPECT_EQ(Engine().PendingText, kEndMarker) << c.input;
        EXPECT_TRUE(Engine().TextRestart) << c.input;
    }
}

TEST_F(PrepareChunk, LongWordGoesOnInTheNextChunk) {
    Queue(std::string(150, 'a') + " b");
    PrepareOne();
    EXPECT_EQ(Engine().ChunkText, std::string(120, 'a'));
    EXPECT_EQ(Engine().PendingText, std::string(30, 'a') + " b");
    EXPECT_EQ(Settings.LastRemainder, Engine().PendingText);
    EXPECT_FALSE(Engine().TextRestart);
    PrepareOne();
    EXPECT_EQ(Engine().ChunkText, std::string(30, 'a') + " ");
    PrepareOne();
    EXPECT_EQ(Engine().ChunkText, "b");
    EXPECT_EQ(Engine().PendingText, kEndMarker);
}

TEST_F(PrepareChunk, ChunksUpToHundredTwentyStayWhole) {
    Queue(std::string(110, 'a'));
    PrepareOne();
    EXPECT_EQ(Engine().ChunkText.size(), 110u);
    EXPECT_EQ(Engine().PendingText, kEndMarker);
}

TEST_F(PrepareChunk, WordModeGluesTheEndMarkerToTheRest) {
    Engine().WordMode = true;
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "abc ";  // 120 characters
    }
    text += "uvo";
    Queue(text);
    PrepareOne();
    EXPECT_EQ(Engine().ChunkText.size(), 120u);
    EXPECT_EQ(Engine().PendingText, "uvo{kOnEc}");
    const TChunk last = PrepareOne();
    EXPECT_EQ(last.shown, "uvo{konec}");  // lower-cased with the rest at the new text
    EXPECT_EQ(Engine().PendingText, kEndMarker);
    const TSayWord& word = Engine().CurrentWord();
    ASSERT_EQ(word.CharCount, 4);  // u, v, o and the empty unit of the consumed brace tag
    EXPECT_EQ(word.Chars[3].Letter, "");
}

TEST_F(PrepareChunk, LowerCasesOncePerText) {
    Queue("AB CD");
    PrepareOne();
    EXPECT_EQ(Engine().PendingText, "cd");
    // The same remainder is not a new text: what is pending now is used as it is.
    Engine().PendingText = "EF";
    Settings.LastRemainder = "EF";
    EXPECT_EQ(PrepareOne().shown, "EF");
}

TEST_F(PrepareChunk, SkipsChunksThatYieldNothingWhileTextFollows) {
    const std::vector<TChunk> chunks = PrepareAll("\\ton=5\\  \\vol=9\\ ahoj");
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].shown, "ahoj");
    EXPECT_EQ(Engine().CurrentWord().Chars[0].Tone, 5);
    EXPECT_EQ(Engine().CurrentWord().Chars[0].Volume, 9);
}

TEST_F(PrepareChunk, LastChunkIsPreparedEvenWhenEmpty) {
    const std::vector<TChunk> chunks = PrepareAll("ahoj \\ton=5\\");
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[1].shown, "");
    EXPECT_EQ(chunks[1].text, "\\ton=5\\");
    EXPECT_EQ(Engine().CurrentTone, 5);
}

}  // namespace
}  // namespace vokadlo::test
