// Allophone choice: the recording each letter plays before the character after it.
#include "prosody/Allophones.h"

#include <gtest/gtest.h>

#include <string>

#include "core/EngineSettings.h"
#include "prosody/Prosody.h"
#include "tests/prosody/ChunkBuilder.h"

namespace vokadlo {
namespace {

using test::BuildChunk;

struct TAllophoneCase {
    const char* Text;  // chunk text, code page 1250
    std::size_t Unit;  // 0-based unit to look at
    const char* Sample;
};

// clang-format off
const TAllophoneCase kAllophoneCases[] = {
    // text   unit sample
    {"a-b",   1, "-"},
    {"bs",    0, "p"},
    {"b\x9A", 0, "p"},       // before š
    {"ba",    0, "b"},
    {"dd",    0, "t"},
    {"dk",    0, "t"},
    {"dt",    0, "t"},
    {"di",    0, "\xEF"},    // ď
    {"d\xEC", 0, "\xEF"},    // before ě
    {"d\xED", 0, "\xEF"},    // before í
    {"da",    0, "d"},
    {"k ",    0, "k"},       // the first unit keeps k before a pause
    {"ak ",   1, "kk"},
    {"ak",    1, "kk"},      // before the chunk's edge
    {"ak,",   1, "kk"},
    {"ak?",   1, "kk"},
    {"akr",   1, "k"},
    {"l ",    0, "lu"},
    {"li",    0, "lu"},
    {"lk",    0, "lu"},
    {"lo",    0, "lu"},
    {"lu",    0, "lu"},
    {"l",     0, "lu"},
    {"l\xED", 0, "lu"},      // í
    {"l\xF3", 0, "lu"},      // ó
    {"l\xF9", 0, "lu"},      // ů
    {"l\xFA", 0, "lu"},      // ú
    {"la",    0, "l"},
    {"le",    0, "l"},
    {"ni",    0, "\xF2"},    // ň
    {"n\xEC", 0, "\xF2"},
    {"n\xED", 0, "\xF2"},
    {"na",    0, "n"},
    {"p ",    0, "pk"},      // also as the first unit
    {"p",     0, "pk"},
    {"ap.",   1, "pk"},
    {"pa",    0, "p"},
    {"qa",    0, "k"},
    {"ti",    0, "\x9D"},    // ť
    {"t\xEC", 0, "\x9D"},
    {"ta",    0, "t"},
    {"v ",    0, "f"},
    {"vs",    0, "f"},
    {"vk",    0, "f"},
    {"v_",    0, "f"},
    {"v\x9A", 0, "f"},
    {"v",     0, "f"},
    {"va",    0, "v"},
    {"vz",    0, "v"},
    {"ty",    1, "i"},
    {"zp",    0, "s"},
    {"za",    0, "z"},
    {"\x9Ek", 0, "\x9A"},    // ž before k plays š
    {"\x9E"
    "a",
    0, "\x9E"},
    {"\xF6",  0, "\xE9"},    // ö plays é
    {"\xFC",  0, "i"},       // ü
    {"\xFD",  0, "\xED"},    // ý plays í
    {"cha",   0, "ch"},      // the digraph keeps its recording
    {"ce",    0, "c"},
};
// clang-format on

TEST(AllophoneTest, SampleByLetterAndNextCharacter) {
    for (const TAllophoneCase& row : kAllophoneCases) {
        TSayWord word = BuildChunk(row.Text);
        ChooseAllophones(word);
        ASSERT_LT(row.Unit, word.Chars.size()) << row.Text;
        EXPECT_EQ(word.Chars[row.Unit].Sample, row.Sample) << row.Text;
    }
}

TEST(AllophoneTest, UnitWithoutLetterKeepsItsEmptySample) {
    TSayWord word = BuildChunk("ab");
    word.Chars.push_back(test::MakeUnit("b", "", "", "~"));
    word.CharCount = 3;
    ChooseAllophones(word);
    EXPECT_EQ(word.Chars[2].Sample, "");
}

TEST(AllophoneTest, BackslashNeighbourOfATagCountsAsTheEdge) {
    TSettingsGuard guard;
    Settings.ProsodySeed = 1;
    // "ap" followed by a backslash tag: the p ends the chunk's sound.
    TSayWord word = BuildChunk("ap");
    word.Chars[1].Next = "\\";
    word.Chars[0].Prev = "\\";
    bool ended = false;
    ApplyProsody(word, 100, ended);
    EXPECT_EQ(word.Chars[1].Next, "~");
    EXPECT_EQ(word.Chars[0].Prev, "~");
    EXPECT_EQ(word.Chars[1].Sample, "pk");
}

TEST(AllophoneTest, OnlyCountedUnitsAreRewritten) {
    TSayWord word = BuildChunk("yy");
    word.CharCount = 1;
    ChooseAllophones(word);
    EXPECT_EQ(word.Chars[0].Sample, "i");
    EXPECT_EQ(word.Chars[1].Sample, "y");

    word.CharCount = 5;  // more than the record holds: walks only what exists
    ChooseAllophones(word);
    EXPECT_EQ(word.Chars[1].Sample, "i");
}

}  // namespace
}  // namespace vokadlo
