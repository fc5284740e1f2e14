// Per-unit pitch targets and tone offsets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/EngineSettings.h"
#include "prosody/Prosody.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

using test::BuildChunk;
using test::kBottomSeed;

std::vector<std::int32_t> Pitches(const TSayWord& word) {
    std::vector<std::int32_t> pitches;
    for (const TCharacter& unit : word.Chars) {
        pitches.push_back(unit.Pitch);
    }
    return pitches;
}

struct TPitchCase {
    const char* Text;
    bool SentenceEnded;
    std::uint32_t Seed;
    std::vector<std::int32_t> Pitch;
};

// From seed 0 the first draw is 0 and the next ones are small: the state runs 1, 134775814
// (Random(n) = 0 for n < 32), 3698175007 (0.86 of the range).
// clang-format off
const TPitchCase kPitchCases[] = {
    // Statement 19: up to the second vowel 19, its group falls by 5, later units walk toward
    // 19/20 by one.
    {"abeceda.",           false, kBottomSeed, {19, 19, 14, 9, 10, 11, 12, 13}},
    // Question: the second-vowel group at 25, then down by one to 19 and alternating 19/20.
    {"aeiouaeiou?",        false, 28,          {-20, 25, 24, 23, 22, 21, 20, 19, 20, 19, 20}},
    // Inside a sentence (-60): the second-vowel group draws Round(Random(14) - 7 - 60) per
    // unit (first and second draw 0), then walks up by one.
    {"abecedu ",           false, kBottomSeed, {-60, -60, -67, -67, -66, -65, -64, -63}},
    // Open draw -40 for the first word of a sentence; the second vowel's group runs to the end
    // and draws 0, 12 (0.86 of 14) and 2 (0.20 of 14).
    {"kolos ",             true,  kBottomSeed, {-40, -40, -40, -47, -35, -45}},
    // "ě" is no vowel and "ch" is one unit: ch, ě, ch, o, v.
    {"ch\xEC" "chov",      false, kBottomSeed, {-60, -60, -60, -60, -60}},
};
// clang-format on

TEST(PitchTest, PitchContours) {
    for (const TPitchCase& row : kPitchCases) {
        TSettingsGuard guard;
        Settings.ProsodySeed = row.Seed;
        TSayWord word = BuildChunk(row.Text);
        bool ended = row.SentenceEnded;
        ApplyProsody(word, 100, ended);
        EXPECT_EQ(Pitches(word), row.Pitch) << row.Text;
    }
}

TEST(PitchTest, UnitsBeforeTheSecondVowelCarryTheRoundedIntonation) {
    TSettingsGuard guard;
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        Settings.ProsodySeed = seed;
        TSayWord word = BuildChunk("strome, ");  // "e" is the second vowel
        bool ended = false;
        ApplyProsody(word, 100, ended);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(word.Chars[i].Pitch, word.Intonation) << seed << " unit " << i;
        }
    }
}

TEST(PitchTest, ToneTakesTheTableOffsetsAndKeepsPitchZero) {
    TSettingsGuard guard;
    Settings.ProsodySeed = kBottomSeed;
    TSayWord word = BuildChunk("aeo.");
    word.Chars[1].Tone = 3;  // "e", second vowel
    word.Chars[2].Tone = -12;
    word.Chars[3].Tone = 12;
    bool ended = false;
    ApplyProsody(word, 100, ended);
    EXPECT_EQ(word.Chars[1].Pitch, 0);
    EXPECT_EQ(word.Chars[1].ToneLo, -34);
    EXPECT_EQ(word.Chars[1].ToneHi, -7);
    EXPECT_EQ(word.Chars[2].ToneLo, 3);
    EXPECT_EQ(word.Chars[2].ToneHi, 2);
    EXPECT_EQ(word.Chars[3].ToneLo, -4);
    EXPECT_EQ(word.Chars[3].ToneHi, -3);
    EXPECT_EQ(word.Chars[0].ToneLo, 0);  // untoned units get no offsets
}

TEST(PitchTest, TonedVowelCountsAndTheNextUnitWalksFromZero) {
    TSettingsGuard guard;
    Settings.ProsodySeed = kBottomSeed;
    TSayWord word = BuildChunk("aeok.");
    word.Chars[1].Tone = 1;  // "e": the second vowel, toned
    bool ended = false;
    ApplyProsody(word, 100, ended);
    // "o" is the third vowel: 0 - 1 is not above 18, so 0 + 1.
    EXPECT_EQ(Pitches(word), (std::vector<std::int32_t>{19, 0, 1, 2, 3}));
}

TEST(PitchTest, NoteOutsideTheTablesUsesTheNearestEnd) {
    TSettingsGuard guard;
    Settings.ProsodySeed = kBottomSeed;
    TSayWord word = BuildChunk("la");
    word.Chars[0].Tone = 40;
    word.Chars[1].Tone = -13;
    bool ended = false;
    ApplyProsody(word, 100, ended);
    EXPECT_EQ(word.Chars[0].ToneLo, -4);  // note 12
    EXPECT_EQ(word.Chars[1].ToneHi, 2);   // note -12
}

TEST(PitchTest, HostWrittenToneTablesAreUsed) {
    TSettingsGuard guard;
    Settings.ProsodySeed = kBottomSeed;
    Settings.ToneTableLo[12 + 7] = 41;
    Settings.ToneTableHi[12 + 7] = -41;
    TSayWord word = BuildChunk("la");
    word.Chars[0].Tone = 7;
    bool ended = false;
    ApplyProsody(word, 100, ended);
    EXPECT_EQ(word.Chars[0].ToneLo, 41);
    EXPECT_EQ(word.Chars[0].ToneHi, -41);
}

}  // namespace
}  // namespace vokadlo
