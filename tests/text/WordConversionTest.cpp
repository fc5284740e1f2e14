#include <gtest/gtest.h>

#include "core/EngineSettings.h"
#include "tests/text/Cp.h"
#include "text/DecimalSeparator.h"
#include "text/TagSpans.h"
#include "text/WordConversion.h"
#include "text/WordRows.h"

namespace vokadlo {
namespace {

using test::Cp;

struct TWordCase {
    const char* word;  // UTF-8, after the dictionaries
    const char* converted;
};

// A point as decimal separator; nothing follows the chunk but more text.
const TWordCase kWords[] = {
    {"25 ", "dva cet pjet  "},
    {"12 ", "dva náct  "},
    {"0 ", " nula"},
    {". ", " nula"},
    {"0.00", " nula"},
    {"-0 ", " nula"},
    {"-3 ", "mínus tři  "},
    {"25.", "dva cet pjet "},  // the full stop of a sentence end goes with the number
    {"a25 ", "a dvje pjet "},
    {"3,5 ", " tři, pjet "},
    {"1000000000000 ", " jedna nula nula nula nula nula nula nula nula nula nula nula nula "},
    {"spě ", "spje "},
    {"a+b ", "a plusb "},
    {"a&b ", "a and b "},
    {"a/b ", "a lomenob "},
    {"a:b\"c ", "a b c "},
    {"_ahoj ", "ahoj "},
    {"__ ", "_ "},
    {"ks ", "káes "},
    {"rock'n'roll ", "rock'n'roll "},
};

TEST(ConvertWord, ReadsNumbersDigitsAndSymbols) {
    for (const TWordCase& c : kWords) {
        EXPECT_EQ(ConvertWord(Cp(c.word), "dál", '.'), Cp(c.converted)) << c.word;
    }
}

TEST(ConvertNumber, ReadsACommaOnlyWhenItIsTheSeparator) {
    EXPECT_EQ(ConvertNumber("3,5 ", ','), Cp("tři  celích pa desát "));
    EXPECT_EQ(ConvertNumber("3,5 ", '.'), "3,5 ");
    EXPECT_EQ(ConvertNumber(",", ','), "0");
    EXPECT_EQ(ConvertNumber("a,5", ','), "a,5");
    EXPECT_EQ(ConvertNumber("2.5 ", ','), Cp("dva  celích pa desát  "));
}

TEST(WordRows, DigitNamesDifferFromNumberWords) {
    EXPECT_EQ(ReadDigits("x2x8"), Cp("x dvjex osum"));
    EXPECT_EQ(ReadDigits("1234567890"),
              Cp(" jedna dvje tři čtyři pjet šest sedm osum devjet nula"));
    EXPECT_EQ(ReadSymbols(Cp("pě+")), Cp("pje plus"));
}

TEST(CleanChunkText, DropsLeadingBreaksAndTurnsOthersIntoSpaces) {
    EXPECT_EQ(CleanChunkText(" \r\n\n a\rb\nc "), "a b c ");
    EXPECT_EQ(CleanChunkText("\t a"), "\t a");
    EXPECT_EQ(CleanChunkText(" \n"), "");
}

struct TSplitCase {
    const char* s;
    const char* prefix;
    const char* word;
    const char* rest;
};

const TSplitCase kSplits[] = {
    {"12 ", "", "12 ", ""},
    {"\\vol=5\\12 ", "\\vol=5\\", "12 ", ""},
    {"\\a\\\\b\\12", "\\a\\\\b\\", "12", ""},
    {"12\\vol=5\\34 ", "", "12", "\\vol=5\\34 "},
    {"\\", "\\", "", ""},
    {"\\ab", "\\", "ab", ""},
    {"a\\", "", "a", "\\"},
};

TEST(SplitTags, SetsBackslashTagsAside) {
    for (const TSplitCase& c : kSplits) {
        const TTagSplit split = SplitTags(c.s);
        EXPECT_EQ(split.prefix, c.prefix) << c.s;
        EXPECT_EQ(split.word, c.word) << c.s;
        EXPECT_EQ(split.rest, c.rest) << c.s;
    }
    // A "\" beyond the window: no word, everything is the rest.
    const std::string far = std::string(120, 'a') + "\\x\\";
    EXPECT_EQ(SplitTags(far).word, "");
    EXPECT_EQ(SplitTags(far).rest, far);
    // The window is the 100 characters after the word's first one.
    const std::string near = "a" + std::string(99, 'b') + "\\x\\";
    EXPECT_EQ(SplitTags(near).word, near.substr(0, 100));
    EXPECT_EQ(SplitTags(near).rest, "\\x\\");
    EXPECT_EQ(SplitTags("a" + std::string(100, 'b') + "\\x\\").word, "");
    // A leading tag is closed only by a "\" among the 100 characters after its opening one.
    const std::string tag = "\\" + std::string(99, 'v') + "\\";
    EXPECT_EQ(SplitTags(tag + "12").prefix, tag);
    EXPECT_EQ(SplitTags(tag + "12").word, "12");
    const std::string open = "\\" + std::string(100, 'v') + "\\12";
    EXPECT_EQ(SplitTags(open).prefix, "\\");
    EXPECT_EQ(SplitTags(open).word, std::string(100, 'v'));
    EXPECT_EQ(SplitTags(open).rest, "\\12");
}

TEST(RemoveBackslashTags, KeepsBraceTags) {
    EXPECT_EQ(RemoveBackslashTags("\\ton=5\\a"), "a");
    EXPECT_EQ(RemoveBackslashTags("a{ton=5}b\\x\\c"), "a{ton=5}bc");
    EXPECT_EQ(RemoveBackslashTags("ab\\cd"), "ab");  // an unclosed tag takes the rest
    EXPECT_EQ(RemoveBackslashTags("\\\\\\"), "");
}

TEST(DecimalSeparator, SettingOverridesTheLocale) {
    TSettingsGuard guard;
    Settings.DecimalSeparator = ',';
    EXPECT_EQ(DecimalSeparator(), ',');
    Settings.DecimalSeparator = '.';
    EXPECT_EQ(DecimalSeparator(), '.');
    Settings.DecimalSeparator = 0;
    const char fromLocale = DecimalSeparator();
    EXPECT_TRUE(fromLocale == '.' || fromLocale == ',') << fromLocale;
}

}  // namespace
}  // namespace vokadlo
