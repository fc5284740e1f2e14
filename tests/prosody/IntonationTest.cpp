// Chunk intonation, the sentence-end flag and the glide step.
#include <gtest/gtest.h>

#include <string>

#include "core/EngineSettings.h"
#include "prosody/Prosody.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

using test::BuildChunk;
using test::kBottomSeed;
using test::kTopSeed;

// Runs the prosody on `text` with a fixed seed; `sentenceEnded` is read and updated.
TSayWord Prosody(const std::string& text, std::uint32_t seed, bool& sentenceEnded,
                 std::int32_t speedPercent = 100) {
    Settings.ProsodySeed = seed;
    TSayWord word = BuildChunk(text);
    ApplyProsody(word, speedPercent, sentenceEnded);
    return word;
}

double IntonationOf(const std::string& text, std::uint32_t seed, bool sentenceEnded = false) {
    return Prosody(text, seed, sentenceEnded).Intonation;
}

// Seeds whose first Random(7) is 0..6 (the first state falls in the k-th seventh of 2^32).
struct TStatementDraw {
    std::uint32_t Seed;
    double Statement;
    double Question;
};
// clang-format off
constexpr TStatementDraw kStatementDraws[] = {
    // seed  statement: Random(7) + 19, remapped   question: Random(7) - 26
    {0,      19,                                   -26},
    {5,      20,                                   -25},
    {10,     21,                                   -24},
    {14,     -60,                                  -23},  // draw 22 is said raised
    {19,     -45,                                  -22},  // draw 23 too
    {23,     24,                                   -21},
    {28,     25,                                   -20},
};
// clang-format on

TEST(IntonationTest, StatementAndQuestionDraws) {
    TSettingsGuard guard;
    for (const TStatementDraw& row : kStatementDraws) {
        EXPECT_EQ(IntonationOf("les.", row.Seed), row.Statement) << row.Seed;
        EXPECT_EQ(IntonationOf("les!", row.Seed), row.Statement) << row.Seed;
        EXPECT_EQ(IntonationOf("les?", row.Seed), row.Question) << row.Seed;
    }
}

TEST(IntonationTest, QuestionMarkAnywhereWinsOverFullStopAndExclamation) {
    TSettingsGuard guard;
    for (const char* text : {"ano?.", "?les.", "co!?.", "x.?!"}) {
        bool ended = false;
        TSayWord word = Prosody(text, 14, ended);
        EXPECT_EQ(word.Intonation, -23) << text;
        EXPECT_TRUE(ended) << text;
    }
}

TEST(IntonationTest, ExclamationWinsOverFullStop) {
    TSettingsGuard guard;
    // With "." the second-vowel group falls by 5; with "!" it draws around the intonation.
    bool ended = false;
    TSayWord word = Prosody("ano.!", kBottomSeed, ended);
    EXPECT_EQ(word.Intonation, 19);
    // "o", second vowel: Round(Random(14) - 7 + 19) with the second draw 0, not 19 - 5.
    EXPECT_EQ(word.Chars[2].Pitch, 12);
}

TEST(IntonationTest, FirstWordOfASentenceGetsTheOpenDraw) {
    TSettingsGuard guard;
    // Random(60) - 40: -40..19.
    EXPECT_EQ(IntonationOf("dobry ", kBottomSeed, true), -40);
    EXPECT_EQ(IntonationOf("dobry ", kTopSeed, true), 19);
    EXPECT_EQ(IntonationOf("dobry ", 1, true), -40 + 1);  // 134775814 x 60 / 2^32 = 1.9
}

TEST(IntonationTest, WordWithACommaGetsTheOpenDraw) {
    TSettingsGuard guard;
    EXPECT_EQ(IntonationOf("den, ", kBottomSeed), -40);
    EXPECT_EQ(IntonationOf("den, ", kTopSeed), 19);
}

TEST(IntonationTest, WordInsideASentenceIsRaisedExactly) {
    TSettingsGuard guard;
    for (std::uint32_t seed : {kBottomSeed, kTopSeed, 99u}) {
        EXPECT_EQ(IntonationOf("den ", seed), -60);
    }
}

TEST(IntonationTest, SentenceEndedFollowsTheSentenceMarks) {
    TSettingsGuard guard;
    bool ended = true;  // a new text
    EXPECT_EQ(Prosody("dnes ", kBottomSeed, ended).Intonation, -40);
    EXPECT_FALSE(ended);
    EXPECT_EQ(Prosody("prsi ", kTopSeed, ended).Intonation, -60);
    EXPECT_FALSE(ended);
    EXPECT_EQ(Prosody("hodne. ", kBottomSeed, ended).Intonation, 19);
    EXPECT_TRUE(ended);
    EXPECT_EQ(Prosody("zitra ", kTopSeed, ended).Intonation, 19);
    EXPECT_FALSE(ended);
}

TEST(IntonationTest, EmptyChunkStillSetsIntonationAndTheFlag) {
    TSettingsGuard guard;
    bool ended = false;
    TSayWord word = Prosody("", kBottomSeed, ended);
    EXPECT_EQ(word.CharCount, 0);
    EXPECT_EQ(word.Intonation, -60);

    Settings.ProsodySeed = kBottomSeed;
    TSayWord marked;
    marked.Text = "a.";  // the tag reader may leave text without units
    marked.CharCount = 0;
    ApplyProsody(marked, 200, ended);
    EXPECT_EQ(marked.Intonation, 19);
    EXPECT_DOUBLE_EQ(marked.IntonationStep, 0.1 / 200);
    EXPECT_TRUE(ended);
}

TEST(IntonationTest, StepIsTenthOfAPercentUntilAnUntonedUnitReachesTheSecondVowel) {
    TSettingsGuard guard;
    bool ended = false;
    EXPECT_DOUBLE_EQ(Prosody("kra ", 3, ended, 120).IntonationStep, 0.1 / 120);
    EXPECT_DOUBLE_EQ(Prosody("kolo ", 3, ended, 120).IntonationStep, 120.0);

    Settings.ProsodySeed = 3;
    TSayWord toned = BuildChunk("ko");
    toned.Chars.push_back(test::MakeUnit("o", "a", "a", "~"));
    toned.Chars.back().Tone = 5;  // the second vowel is toned and nothing follows it
    toned.CharCount = 3;
    ApplyProsody(toned, 120, ended);
    EXPECT_DOUBLE_EQ(toned.IntonationStep, 0.1 / 120);
}

TEST(IntonationTest, SpeedBelowOnePercentIsUsedAsOne) {
    TSettingsGuard guard;
    for (std::int32_t speed : {0, -9, -256}) {
        bool ended = false;
        EXPECT_DOUBLE_EQ(Prosody("kra ", 3, ended, speed).IntonationStep, 0.1) << speed;
        EXPECT_DOUBLE_EQ(Prosody("kolo ", 3, ended, speed).IntonationStep, 1.0) << speed;
    }
}

TEST(IntonationTest, SameFixedSeedGivesTheSameChunkTwice) {
    TSettingsGuard guard;
    const std::string text = "rozhodne, ";
    bool ended1 = true;
    bool ended2 = true;
    TSayWord first = Prosody(text, 31337, ended1);
    TSayWord second = Prosody(text, 31337, ended2);
    EXPECT_EQ(first.Intonation, second.Intonation);
    ASSERT_EQ(first.CharCount, second.CharCount);
    for (std::size_t i = 0; i < first.Chars.size(); ++i) {
        EXPECT_EQ(first.Chars[i].Pitch, second.Chars[i].Pitch) << i;
        EXPECT_EQ(first.Chars[i].Pause, second.Chars[i].Pause) << i;
        EXPECT_EQ(first.Chars[i].Duration, second.Chars[i].Duration) << i;
    }
    // Another seed draws differently somewhere.
    bool ended3 = true;
    TSayWord other = Prosody(text, 31338, ended3);
    bool differs = other.Intonation != first.Intonation;
    for (std::size_t i = 0; i < first.Chars.size(); ++i) {
        differs = differs || other.Chars[i].Duration != first.Chars[i].Duration;
    }
    EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace vokadlo
