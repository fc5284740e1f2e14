#include "core/CodePage.h"

#include <gtest/gtest.h>

#include "core/Numeric.h"
#include "core/ParseInt.h"

namespace vokadlo {
namespace {

TEST(CodePage, LowerCasesCzechCapitals) {
    // ČŘŽŠĎŤŇÁÉÍÓÚŮÝĚ in code page 1250 -> čřžšďťňáéíóúůýě
    const std::string upper = "\xC8\xD8\x8E\x8A\xCF\x8D\xD2\xC1\xC9\xCD\xD3\xDA\xD9\xDD\xCC";
    const std::string lower = "\xE8\xF8\x9E\x9A\xEF\x9D\xF2\xE1\xE9\xED\xF3\xFA\xF9\xFD\xEC";
    EXPECT_EQ(LowerCase(upper), lower);
    EXPECT_EQ(LowerCase("Dobr\xDD DEN"), "dobr\xFD den");
}

TEST(CodePage, LowerCasesOtherCentralEuropeanCapitals) {
    // Ś Ź Ł Ą Ş Ż Ľ Ŕ Ă Ä Ĺ Ć Ç Ę Ë Î Đ Ń Ô Ő Ö Ű Ü Ţ
    const std::string upper =
        "\x8C\x8F\xA3\xA5\xAA\xAF\xBC\xC0\xC3\xC4\xC5\xC6\xC7\xCA\xCB\xCE\xD0\xD1\xD4\xD5\xD6"
        "\xDB\xDC\xDE";
    const std::string lower =
        "\x9C\x9F\xB3\xB9\xBA\xBF\xBE\xE0\xE3\xE4\xE5\xE6\xE7\xEA\xEB\xEE\xF0\xF1\xF4\xF5\xF6"
        "\xFB\xFC\xFE";
    EXPECT_EQ(LowerCase(upper), lower);
}

TEST(CodePage, LeavesCaselessCharactersAlone) {
    // × ß ˇ and the small letters themselves do not change; nor does any control byte.
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const char lowered = LowerChar(c);
        if (lowered != c) {
            EXPECT_EQ(LowerChar(lowered), lowered) << "byte " << b;
        }
    }
    EXPECT_EQ(LowerChar('\xD7'), '\xD7');
    EXPECT_EQ(LowerChar('\xDF'), '\xDF');
    EXPECT_EQ(LowerChar('\xA1'), '\xA1');
}

TEST(CodePage, TrimsEverythingBelowCode33) {
    EXPECT_EQ(Trim(" \t\r\n\x01slovo \x1F"), "slovo");
    EXPECT_EQ(Trim(std::string("\0a\0", 3)), "a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_TRUE(IsBlank(" \n\t"));
    EXPECT_TRUE(IsBlank(""));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_FALSE(IsBlank("\xA0"));  // no-break space is code 160
}

TEST(CodePage, Utf8RoundTrip) {
    const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy – „ano“ €";
    const std::string cp = Utf8ToCp1250(utf8);
    EXPECT_EQ(cp.size(), 48u);
    EXPECT_EQ(cp.substr(0, 6), "P\xF8\xED\x6Ci\x9A");
    EXPECT_EQ(Cp1250ToUtf8(cp), utf8);
}

TEST(CodePage, EveryByteSurvivesRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Cp1250ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1250(utf8), all);
}

TEST(CodePage, UnknownAndMalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");          // cut sequence
    EXPECT_EQ(Utf8ToCp1250("\xC0\xAF"), "??");       // overlong "/"
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(Utf8ToCp1250("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_FALSE(IsValidUtf8("\xE8\xF8"));  // code page 1250 "čř" is not UTF-8
    EXPECT_TRUE(IsValidUtf8("čř"));
}

TEST(Numeric, RoundsHalfToEvenAndDivTruncates) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-2.6), -3);
    EXPECT_EQ(Round(9.5), 10);
    EXPECT_EQ(Round(1e300), INT64_MAX);
    EXPECT_EQ(Div(7, 2), 3);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(ClampToInt32(5000000000LL), INT32_MAX);
}

TEST(ParseInt, ReadsLeadingNumbersLeniently) {
    EXPECT_EQ(ParseInt("12"), 12);
    EXPECT_EQ(ParseInt("-12"), -12);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt(""), 0);
    EXPECT_EQ(ParseInt("12abc"), 12);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt("a12"), 12);  // the second character is looked at anyway
    EXPECT_EQ(ParseInt("-5x"), -5);
    EXPECT_EQ(ParseInt(" 12"), 12);  // not a valid whole; " " skipped, then 12
    EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
}

TEST(ParseInt, RejectsLoneMinusAndOverflow) {
    EXPECT_THROW(ParseInt("-"), EConvertError);
    EXPECT_THROW(ParseInt("-x"), EConvertError);
    EXPECT_THROW(ParseInt("2147483648"), EConvertError);
    EXPECT_THROW(ParseInt(std::string(300, '9')), EConvertError);
    // Only 255 characters are considered: digits beyond that do not matter.
    EXPECT_EQ(ParseInt("7" + std::string(254, 'x') + "99"), 7);
}

}  // namespace
}  // namespace vokadlo
