#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/AtomicFile.h"
#include "platform/ConfigFile.h"
#include "platform/RegFile.h"
#include "platform/RegSettingsStore.h"

namespace vokadlo {
namespace {

namespace fs = std::filesystem;

const std::string kKey = "\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\VEMIRa";
const std::string kSection = "HKEY_LOCAL_MACHINE" + kKey;

class RegSettingsStore : public ::testing::Test {
  protected:
    RegSettingsStore() {
        dir = fs::temp_directory_path() /
              ("vokadlo-reg-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        file = dir / "settings.reg";
    }
    ~RegSettingsStore() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    void Write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string Read() { return ReadWholeFile(file).value_or("<missing>"); }

    fs::path dir;
    fs::path file;
};

const std::string kSample =
    "REGEDIT4\n"
    "\n"
    "; tuned by hand\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\VEMIRa]\n"
    "\"Values_Changed\"=dword:00000001\n"
    "\"Speed_Position\"=\"150\"\n"
    "\"Pith_Position\"=dword:fffffff4\n"
    "\"Echo_Volume_Position\"=hex(2):31,32,\\\n"
    "  00\n"
    "\"Quoted\"=\"a \\\"b\\\" \\\\ c\"\n"
    "\"Binary\"=hex:01,02\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\VEMIR]\n"
    "\"Values_Changed\"=dword:00000007\n";

TEST_F(RegSettingsStore, ReadsTypedValuesOfItsOwnKeyOnly) {
    Write(kSample);
    TRegSettingsStore store(file);
    ASSERT_TRUE(store.OpenKey(kKey));
    EXPECT_EQ(store.ReadInteger("Values_Changed"), 1);
    EXPECT_EQ(store.ReadInteger("values_changed"), 1);  // names ignore case
    EXPECT_EQ(store.ReadInteger("Pith_Position"), -12);
    EXPECT_EQ(store.ReadString("Speed_Position"), "150");
    EXPECT_EQ(store.ReadString("Echo_Volume_Position"), "12");  // expandable, continued line
    EXPECT_EQ(store.ReadString("Quoted"), "a \"b\" \\ c");
    EXPECT_EQ(store.ReadString("Missing"), "");
    EXPECT_THROW(store.ReadInteger("Speed_Position"), ESettingsStoreError);
    EXPECT_THROW(store.ReadInteger("Missing"), ESettingsStoreError);
    EXPECT_THROW(store.ReadString("Pith_Position"), ESettingsStoreError);
    EXPECT_THROW(store.ReadString("Binary"), ESettingsStoreError);
}

TEST_F(RegSettingsStore, MissingOrGarbledFileIsAStoreWithoutValues) {
    TRegSettingsStore store(file);
    store.OpenKey(kKey);
    EXPECT_THROW(store.ReadInteger("Values_Changed"), ESettingsStoreError);
    Write(std::string("\0\xFF[garbage\n\"Values_Changed\"=dword:xyz\n", 37));
    EXPECT_THROW(store.ReadInteger("Values_Changed"), ESettingsStoreError);
    EXPECT_EQ(store.ReadString("Anything"), "");
}

TEST_F(RegSettingsStore, WritingTheFlagKeepsEveryOtherLine) {
    Write(kSample);
    TRegSettingsStore store(file);
    store.OpenKey(kKey);
    store.WriteInteger("Values_Changed", 0);
    std::string expected = kSample;
    expected.replace(expected.find("dword:00000001"), 14, "dword:00000000");
    EXPECT_EQ(Read(), expected);
    EXPECT_EQ(store.ReadInteger("Values_Changed"), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);  // + lock

    // A new value goes to the end of its own section.
    store.WriteInteger("New_Value", 10);
    const std::string text = Read();
    EXPECT_NE(text.find("\"Binary\"=hex:01,02\n\"New_Value\"=dword:0000000a\n\n[HKEY"),
              std::string::npos);
    EXPECT_NE(text.find("\"Values_Changed\"=dword:00000007"), std::string::npos);  // VEMIR kept
}

TEST_F(RegSettingsStore, WritingIntoAMissingFileCreatesIt) {
    TRegSettingsStore store(file);
    store.OpenKey(kKey);
    store.WriteInteger("Values_Changed", 0);
    EXPECT_EQ(Read(), "REGEDIT4\n\n[" + kSection + "]\n\"Values_Changed\"=dword:00000000\n");
    store.WriteText("Intonace_Checked", "True");
    EXPECT_EQ(store.ReadString("Intonace_Checked"), "True");
}

TEST_F(RegSettingsStore, FileThatCannotBeWrittenStaysUntouched) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    Write(kSample);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    TRegSettingsStore store(file);
    store.OpenKey(kKey);
    EXPECT_THROW(store.WriteInteger("Values_Changed", 0), ESettingsStoreError);
    EXPECT_EQ(Read(), kSample);
}

TEST_F(RegSettingsStore, FailedRenameLeavesTheOldFile) {
    // The target is a folder: the rename fails after the temporary file was written.
    fs::create_directories(file);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(file, "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(RegFile, FormatsEntriesTheWayTheyAreParsed) {
    EXPECT_EQ(TRegFile::FormatEntry("A", std::uint32_t{10}), "\"A\"=dword:0000000a");
    EXPECT_EQ(TRegFile::FormatEntry("B", TRegText{"x\"y", false}), "\"B\"=\"x\\\"y\"");
    EXPECT_EQ(TRegFile::FormatEntry("C", TRegText{"12", true}), "\"C\"=hex(2):31,32,00");
    TRegFile reg = TRegFile::Parse("");
    reg.Set("S", "C", TRegText{"12", true});
    const auto value = TRegFile::Parse(reg.Serialize()).Find("s", "c");
    ASSERT_TRUE(value);
    EXPECT_EQ(std::get<TRegText>(*value).utf8, "12");
}

TEST(RegFile, NameWithAQuoteAndAnEqualsSign) {
    // The value starts after the name's closing quote, not at the first `"=` of the line.
    TRegFile reg = TRegFile::Parse("REGEDIT4\n\n[S]\n  \"a\\\"=b\"=dword:00000005\n");
    ASSERT_TRUE(reg.Find("S", "a\"=b"));
    EXPECT_EQ(std::get<std::uint32_t>(*reg.Find("S", "a\"=b")), 5u);
    reg.Set("S", "x\"=\"", TRegText{"v", false});
    const TRegFile again = TRegFile::Parse(reg.Serialize());
    ASSERT_TRUE(again.Find("S", "x\"=\""));
    EXPECT_EQ(std::get<TRegText>(*again.Find("S", "x\"=\"")).utf8, "v");
    ASSERT_EQ(again.List("S").size(), 2u);
    EXPECT_EQ(std::get<std::uint32_t>(again.List("S")[0].value), 5u);
}

TEST(RegFile, ValueSetAfterALineCutOffInItsContinuation) {
    // The file ends in the middle of a continued value; a value added after it stays its own.
    TRegFile reg = TRegFile::Parse("REGEDIT4\n\n[S]\n\"h\"=hex:01,\\");
    reg.Set("S", "n", std::uint32_t{3});
    const TRegFile again = TRegFile::Parse(reg.Serialize());
    ASSERT_TRUE(again.Find("S", "n"));
    EXPECT_EQ(std::get<std::uint32_t>(*again.Find("S", "n")), 3u);
    EXPECT_EQ(again.List("S").size(), 2u);
}

}  // namespace
}  // namespace vokadlo
