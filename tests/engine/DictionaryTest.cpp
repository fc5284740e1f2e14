#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "engine/DictionaryFile.h"
#include "engine/DictionaryRows.h"
#include "engine/DosFileTime.h"
#include "engine/PronunciationTable.h"
#include "engine/TextPipeline.h"
#include "tests/engine/TextFixture.h"
#include "text/ReplaceAll.h"

namespace vokadlo::test {
namespace {

using Dictionary = TextFixture;

// Sets a file's modification time to a local time.
void SetLocalTime(const std::filesystem::path& file, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 4;
    local.tm_mday = 17;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
    std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(system));
}

TEST_F(Dictionary, MissingFileIsCreatedEmpty) {
    ASSERT_FALSE(std::filesystem::exists(DictionaryFile()));
    Engine();
    EXPECT_TRUE(std::filesystem::exists(DictionaryFile()));
    EXPECT_EQ(std::filesystem::file_size(DictionaryFile()), 0u);
    EXPECT_TRUE(Engine().UserDictionary.empty());
    EXPECT_EQ(Engine().DictionaryFileName, DictionaryFile());
    EXPECT_NE(Engine().DictionaryFileAge, -1);
}

TEST_F(Dictionary, UnreadableFileIsNeverOverwritten) {
    std::filesystem::create_directory(DictionaryFile());  // exists, cannot be read as a file
    Engine();
    EXPECT_TRUE(std::filesystem::is_directory(DictionaryFile()));
    EXPECT_TRUE(Engine().UserDictionary.empty());
    EXPECT_EQ(PrepareAll("ahoj")[0].text, "ahoj");
}

TEST_F(Dictionary, UserRowsMatchInsideWordsAndAreLowerCasedOnLoad) {
    WriteDictionary(Cp("PES=kočka\r\nbez rovnítka\n=nic\rab=abc\nVLK=Vlčák"));
    Engine();
    EXPECT_EQ(Engine().UserDictionary.size(), 5u);
    const std::vector<TChunk> chunks = PrepareAll("pes pesan ab Vlk");
    ASSERT_EQ(chunks.size(), 4u);
    EXPECT_EQ(chunks[0].text, "kočka ");
    EXPECT_EQ(chunks[1].text, "kočkaan ");
    EXPECT_EQ(chunks[2].text, "ab ");  // the value contains the key
    EXPECT_EQ(chunks[3].text, "vlčák");
}

TEST_F(Dictionary, UserRowsRunBeforeTheBuiltInRows) {
    WriteDictionary("q=chip\n");
    EXPECT_EQ(PrepareAll("q")[0].text, "čip");
}

TEST_F(Dictionary, Utf8FileIsConverted) {
    WriteDictionary("žába=frog\n");  // UTF-8 in this source
    EXPECT_EQ(PrepareAll("Žába")[0].text, "frog");
    EXPECT_EQ(DictionaryBytesToCp1250("\x9E\xE1"
                                      "ba"),
              "\x9E\xE1"
              "ba");  // already code page 1250
    EXPECT_EQ(DictionaryBytesToCp1250("plain"), "plain");
}

TEST_F(Dictionary, ValuesKeepAtMost255Characters) {
    WriteDictionary("q=" + std::string(300, 'a') + "\n");
    EXPECT_EQ(PrepareAll("q")[0].text, std::string(255, 'a'));
}

TEST_F(Dictionary, ReloadsAtANewTextWhenTheFileAgeChanged) {
    WriteDictionary("pes=kočka\n");
    SetLocalTime(DictionaryFile(), 10, 0, 0);
    Engine();
    EXPECT_EQ(PrepareAll("pes")[0].text, "kočka");

    // Saved again within the same two-second step: the same age, the old rows stay.
    WriteDictionary("pes=myš\n");
    SetLocalTime(DictionaryFile(), 10, 0, 1);
    EXPECT_EQ(PrepareAll("pes")[0].text, "kočka");

    // A new age: the next text reads the new rows, but not the chunk in hand.
    SetLocalTime(DictionaryFile(), 10, 0, 2);
    Queue("pes pes");
    EXPECT_EQ(PrepareOne().text, "myš ");
    WriteDictionary("pes=liška\n");
    SetLocalTime(DictionaryFile(), 10, 0, 4);
    EXPECT_EQ(PrepareOne().text, "myš");  // the same text goes on
    EXPECT_EQ(PrepareAll("pes")[0].text, "liška");
}

TEST_F(Dictionary, DeletedFileIsNamedOnceAndSpeechGoesOnWithoutItsRows) {
    WriteDictionary("pes=kočka\n");
    Engine();
    std::filesystem::remove(DictionaryFile());
    EXPECT_EQ(PrepareAll("pes")[0].text, "pes");
    EXPECT_EQ(Engine().DictionaryFileAge, -1);
    ASSERT_EQ(notice.shown.size(), 1u);
    EXPECT_NE(notice.shown[0].find("vokadlo.dct: no such file"), std::string::npos);
    WriteDictionary("pes=myš\n");  // back again: read at the next text
    EXPECT_EQ(PrepareAll("pes")[0].text, "myš");
}

TEST_F(Dictionary, HostRowsAreUsedAsTheyAre) {
    Engine().UserDictionary = {"Pes=ko\xE8ka", Cp("pes=myš")};  // not lower-cased
    EXPECT_EQ(PrepareAll("pes")[0].text, "myš");
}

TEST_F(Dictionary, BuiltInRowsFollowTheTable) {
    EXPECT_EQ(kPronunciationRows.size(), 118u);
    EXPECT_EQ(Engine().PronunciationTable.size(), 118u);
    EXPECT_EQ(Engine().PronunciationTable[12], Engine().PronunciationTable[20]);  // both kč
    EXPECT_EQ(Engine().PronunciationTable[13], Cp("tv =týví"));
    struct {
        const char* input;
        const char* text;
    } const rows[] = {
        {"anti ", "anty "},    {"anti", "anti"},
        {"mb ", "mega bajtu"}, {"f10", "efdeset"},
        {"f1", "efjedna"},     {"ia", "ya"},
        {"inic", "inic"},      {"microsoft", "majkrosoft"},
        {"@", "zavináč"},      {"mě", "mně"},
        {"čp", "čé pé"},       {"speech", "spíč"},
        {"tv ", "týví"},       {"gprs", "džípíeres"},
        {"kč", "ká čé"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ApplyDictionaries(Cp(row.input), {}, Engine().PronunciationTable), Cp(row.text))
            << row.input;
    }
}

TEST_F(Dictionary, NoRowGrowsATextWithoutEnd) {
    const std::string grown = ApplyDictionaries("aaaab", {"ab=bbaa"}, {});
    EXPECT_LE(grown.size(), kRewriteLimit + 2);
    EXPECT_GT(grown.size(), kRewriteLimit);
}

TEST_F(Dictionary, RowsThatFeedEachOtherStopTogetherPast4KiB) {
    // a=bbb..., b=ccc..., ... j=kkk...: unbounded, "a" would become 255^10 letters.
    std::string file;
    for (char key = 'a'; key < 'k'; ++key) {
        file += std::string(1, key) + "=" + std::string(kRowValueLimit, char(key + 1)) + "\n";
    }
    WriteDictionary(file);
    Engine();
    const std::string once = ConvertChunk("a", Engine());
    // b stops after the replacement that passes 4 KiB; c=ddd... never runs, nor do the built-in
    // rows or the spelling of a word without vowels.
    EXPECT_GT(once.size(), kRewriteLimit);
    EXPECT_LE(once.size(), kRewriteLimit + kRowValueLimit);
    EXPECT_EQ(once.find_first_not_of("bc"), std::string::npos);
    EXPECT_EQ(ConvertChunk("a", Engine()), once);
    EXPECT_EQ(notice.shown,
              std::vector<std::string>{"the pronunciation dictionary grows a word past 4 KiB"});
}

TEST(DictionaryFile, SplitsLinesAtEveryEnding) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(DictionaryRows, UsableRowsHaveAKey) {
    EXPECT_FALSE(SplitRow("=x"));
    EXPECT_FALSE(SplitRow("abc"));
    EXPECT_EQ(SplitRow("a==b")->key, "a");
    EXPECT_EQ(SplitRow("a==b")->value, "=b");
    EXPECT_EQ(SplitRow("a=")->value, "");
}

TEST(DosFileTime, PacksLocalTimeInTwoSecondSteps) {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 4;
    local.tm_mday = 17;
    local.tm_hour = 13;
    local.tm_min = 45;
    local.tm_sec = 31;
    const std::uint32_t expected =
        ((44u << 9 | 5u << 5 | 17u) << 16) | (13u << 11 | 45u << 5 | 15u);
    EXPECT_EQ(static_cast<std::uint32_t>(PackDosDateTime(local)), expected);
    local.tm_sec = 30;
    EXPECT_EQ(static_cast<std::uint32_t>(PackDosDateTime(local)), expected);
    local.tm_year = 60;
    EXPECT_EQ(PackDosDateTime(local), (1 << 5 | 1) << 16);
    EXPECT_EQ(FileAge("/nonexistent/vokadlo.dct"), -1);
}

}  // namespace
}  // namespace vokadlo::test
