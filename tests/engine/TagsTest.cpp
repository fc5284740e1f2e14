#include <gtest/gtest.h>

#include "core/EngineSettings.h"
#include "core/ParseInt.h"
#include "engine/Tags.h"
#include "engine/TextPipeline.h"
#include "tests/engine/TextFixture.h"

namespace vokadlo::test {
namespace {

using Tags = TextFixture;

struct TTagCase {
    const char* text;     // a processed chunk text
    std::int32_t units;   // units built
    std::int32_t tone;    // of the first unit, and CurrentTone after it
    std::int32_t speed;   // of the first unit
    std::int32_t volume;  // of the first unit
};

// Before each case: CurrentTone 0, SpeedPercent 100, CurrentVolume 63750.
const TTagCase kTags[] = {
    {"\\ton=5\\a", 1, 5, 100, 63750},
    {"\\ton=13\\a", 1, 0, 100, 63750},  // out of range: consumed, no change
    {"\\ton=-13\\a", 1, 0, 100, 63750},
    {"\\ton=-12\\a", 1, -12, 100, 63750},
    {"\\ton\\a", 1, 0, 100, 63750},  // no value reads as 0
    {"\\spd=156\\a", 1, 0, 100, 63750},
    {"\\spd=100\\a", 1, 0, 156, 63750},
    {"\\spd=0\\a", 1, 0, 100, 63750},
    {"\\spd=257\\a", 1, 0, 100, 63750},
    {"\\spd=256\\a", 1, 0, 0, 63750},
    {"\\vol=0\\a", 1, 0, 100, 0},      // switches volume scaling off
    {"\\vol=-\\a", 1, 0, 100, 63750},  // unreadable: consumed and ignored
    {"\\vol=12abc\\a", 1, 0, 100, 12},
    {"\\vol=x12\\a", 1, 0, 100, 12},
    {"\\rst\\a", 1, 0, 100, 63750},
    {"{pit=77}a", 1, 0, 100, 63750},
    {"{ton=3}a", 1, 3, 100, 63750},
    {"\\TON=4\\a", 1, 4, 100, 63750},  // upper case
    {"{Vol=5}a", 1, 0, 100, 5},
    {"\\unknown=1\\a", 1, 0, 100, 63750},
    {"\\ton=5\\\\vol=7\\a", 1, 5, 100, 7},   // the second tag starts 8 from the end: chained
    {"\\ton=5\\{x}", 3, 5, 100, 63750},      // within the last six: spoken as letters
    {"\\ton=5\\{x}abcd", 4, 5, 100, 63750},  // position 8 < 14 - 5: the second tag is read
    {"\\ton=5\\{x}abc", 6, 5, 100, 63750},   // position 8, not < 13 - 5: "{x}" is spoken
    {"\\ton=\\abcdefgh", 9, 0, 100, 63750},  // "=" without a value: its "\" is left
    {"\\=5\\a", 5, 0, 100, 63750},           // no name: not a tag
    {"\\\\a", 3, 0, 100, 63750},             // empty tag
    {"\\ton=5a", 7, 0, 100, 63750},          // not closed
    {"{ton=5\\a", 8, 0, 100, 63750},         // closed by the wrong delimiter
};

TEST_F(Tags, ChangeTheUnitAtTheTagAndTheFollowingOnes) {
    for (const TTagCase& c : kTags) {
        Engine().CurrentTone = 0;
        Engine().SpeedPercent = 100;
        Engine().CurrentVolume = 63750;
        BuildUnits(Engine(), c.text);
        const TSayWord& word = Engine().CurrentWord();
        ASSERT_EQ(static_cast<std::int32_t>(word.Chars.size()), c.units) << c.text;
        EXPECT_EQ(word.Chars[0].Tone, c.tone) << c.text;
        EXPECT_EQ(word.Chars[0].Speed, c.speed) << c.text;
        EXPECT_EQ(word.Chars[0].Volume, c.volume) << c.text;
        EXPECT_EQ(Engine().CurrentTone, c.tone) << c.text;
        EXPECT_EQ(word.Chars.back().Tone, c.tone) << c.text;
    }
}

TEST_F(Tags, ToneCarriesOnIntoLaterChunks) {
    const std::vector<TChunk> chunks = PrepareAll("\\ton=5\\a b \\ton=0\\c");
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].letters, "a| ");
    EXPECT_EQ(Engine().CurrentTone, 0);
    PrepareAll("\\ton=5\\a b");
    EXPECT_EQ(Engine().CurrentWord().Chars[0].Tone, 5);  // "b", a chunk later
    GetSayText();                                        // the next procedural call ends it
    EXPECT_EQ(Engine().CurrentTone, 0);
}

TEST_F(Tags, UnreadableToneSpeedOrMarkEndsThePreparation) {
    for (const char* text : {"\\ton=-\\a", "\\spd=-\\a", "\\mrk=-\\a", "\\ton=99999999999\\a"}) {
        Queue(text);
        Engine().ChunkReady = false;
        EXPECT_THROW(Engine().PrepareChunk(), EConvertError) << text;
        EXPECT_FALSE(Engine().ChunkReady) << text;
    }
}

TEST_F(Tags, LongValues) {
    // 250 digits fit within the 255 characters a tag may take: the value is read and too big.
    const std::string digits(250, '9');
    EXPECT_THROW(BuildUnits(Engine(), "\\ton=" + digits + "\\a"), EConvertError);
    EXPECT_NO_THROW(BuildUnits(Engine(), "\\vol=" + digits + "\\a"));
    EXPECT_EQ(Engine().CurrentWord().Chars.size(), 1u);
    // 300 digits: the tag is not closed within reach and is spoken as characters.
    const std::string longer = "\\ton=" + std::string(300, '9') + "\\a";
    BuildUnits(Engine(), longer);
    EXPECT_EQ(Engine().CurrentWord().Chars.size(), longer.size());
}

TEST_F(Tags, MarksFillTheirPlaces) {
    std::string text;
    for (int mark = 1; mark <= 11; ++mark) {
        text += "{mrk=" + std::to_string(mark) + "}";
    }
    BuildUnits(Engine(), text + "abcdef{mrk=42}gh");
    const TSayWord& word = Engine().CurrentWord();
    const std::array<std::int32_t, kMarkPlaces> first = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(word.Chars[0].MarksAtStart, first);  // the eleventh is dropped
    EXPECT_EQ(word.Chars[0].Marks, (std::array<std::int32_t, kMarkPlaces>{}));
    EXPECT_EQ(word.Chars[6].Marks[0], 42);
    EXPECT_EQ(word.Chars[6].Letter, "g");
    EXPECT_EQ(Engine().LastMark, 42);
}

TEST_F(Tags, ReadTagSplitsNameAndValue) {
    EXPECT_EQ(ReadTag("\\Ton=5\\", 1).name, "ton");
    EXPECT_EQ(ReadTag("\\Ton=5\\", 1).value, "5");
    EXPECT_EQ(ReadTag("a{x=1=2}", 2).value, "1=2");
    EXPECT_EQ(ReadTag("{x=1", 1).name, "");
    EXPECT_EQ(ReadTag("x", 1).name, "");
    EXPECT_EQ(ReadTag("", 1).name, "");
    EXPECT_EQ(ReadTag("{x}", 9).name, "");
    // The closing delimiter must be among the 255 characters after the opening one.
    EXPECT_EQ(ReadTag("\\" + std::string(254, 'x') + "\\", 1).name, std::string(254, 'x'));
    EXPECT_EQ(ReadTag("\\" + std::string(255, 'x') + "\\", 1).name, "");
    EXPECT_EQ(ReadTag("{x=" + std::string(252, '7') + "}", 1).value, std::string(252, '7'));
    EXPECT_EQ(TagLength({"ton", "5"}), 7);
    EXPECT_EQ(TagLength({"ton", ""}), 5);
    EXPECT_EQ(TagLength({"", "5"}), 0);
}

TEST_F(Tags, DisplayTextDropsBackslashTagsOnly) {
    EXPECT_EQ(PrepareAll("\\ton=5\\a")[0].shown, "a");
    EXPECT_EQ(PrepareAll("{ton=5}a")[0].shown, "{ton=5}a");
}

TEST_F(Tags, BraceTagsAreKeptFromTheConversionsLikeBackslashTags) {
    Settings.DecimalSeparator = '.';
    struct TCase {
        const char* input;    // one chunk
        const char* text;     // processed
        const char* letters;  // of the units
        std::int32_t tone;    // CurrentTone after it
    };
    const TCase cases[] = {
        {"{ton=5}máma", "{ton=5}máma", "m|á|m|a", 5},
        {"{ton=-12}12", "{ton=-12}dva náct ", "d|v|a| |n|á|c|t| ", -12},
        {"12{vol=0}34", "dva náct {vol=0}34", "d|v|a| |n|á|c|t| |3|4", 0},
        {"{", "{", "{", 0},  // only the opening is set aside; no word to spell
    };
    for (const TCase& c : cases) {
        Engine().CurrentTone = 0;
        const std::vector<TChunk> chunks = PrepareAll(c.input);
        ASSERT_EQ(chunks.size(), 1u) << c.input;
        EXPECT_EQ(chunks[0].text, c.text) << c.input;
        EXPECT_EQ(chunks[0].letters, c.letters) << c.input;
        EXPECT_EQ(chunks[0].shown, c.input) << c.input;
        EXPECT_EQ(Engine().CurrentTone, c.tone) << c.input;
        EXPECT_EQ(Engine().CurrentWord().Chars.back().Tone, c.tone) << c.input;
    }
    // The "3" after the volume tag is the first unit it acts on.
    Engine().CurrentVolume = 1000;
    PrepareAll("12{vol=0}34");
    EXPECT_EQ(Engine().CurrentWord().Chars[8].Volume, 1000);
    EXPECT_EQ(Engine().CurrentWord().Chars[9].Volume, 0);

    // In word mode the end marker glued to the last word is a tag too: the number before it is
    // read as a number.
    Engine().WordMode = true;
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "abc ";  // 120 characters
    }
    const std::vector<TChunk> chunks = PrepareAll(text + "12");
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[1].text, "dva náct {konec}");
    EXPECT_EQ(chunks[1].letters, "d|v|a| |n|á|c|t| |");
    EXPECT_EQ(chunks[1].shown, "12{konec}");
}

}  // namespace
}  // namespace vokadlo::test
