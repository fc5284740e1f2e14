#include <gtest/gtest.h>

#include "tests/text/Cp.h"
#include "text/NumberSyntax.h"
#include "text/NumberWords.h"

namespace vokadlo {
namespace {

using test::Cp;

struct TNumberCase {
    double value;
    const char* words;  // UTF-8
};

// Each part ends in a space; "milión" alone has none.
const TNumberCase kNumbers[] = {
    {0, ""},
    {0.001, ""},
    {-0.0, ""},
    {-0.001, ""},  // rounds to zero: no lone "mínus"
    // Every entry of the word table, trailing spaces included.
    {1, "jedna "},
    {2, "dva "},
    {3, "tři "},
    {4, "čtyři "},
    {5, "pjet "},
    {6, "šest "},
    {7, "sedm "},
    {8, "osm "},
    {9, "devjet "},
    {10, "de set "},
    {11, "jede náct "},
    {12, "dva náct "},
    {13, "tři náct "},
    {14, "čtr náct "},
    {15, "pat náct "},
    {16, "šest náct "},
    {17, "sedm náct "},
    {18, "osm náct "},
    {19, "devate náct "},
    {20, "dva cet "},
    {21, "dva cet jedna "},
    {30, "tři cet "},
    {40, "čtyři cet "},
    {50, "pa desát "},
    {55, "pa desát pjet "},
    {60, "še desát "},
    {70, "sedm desát "},
    {80, "osm desát "},
    {90, "deva desát "},
    {99, "deva desát devjet "},
    {100, "sto "},
    {101, "sto jedna "},
    {200, "dvjesťe "},
    {300, "tři sta "},
    {400, "čtyři sta "},
    {500, "pjet set "},
    {600, "šest set "},
    {700, "sedm set "},
    {800, "osm set "},
    {900, "devjet set "},
    {3000, "tři tisíce "},
    {202000, "dvjesťe dva tisíc "},
    {1002000, "jeden milióndva tisíce "},
    {1000, "jeden tisíc "},
    {2000, "dva tisíce "},
    {4000, "čtyři tisíce "},
    {5000, "pjet tisíc "},
    {12000, "dva náct tisíc "},
    {21000, "dva cet jeden tisíc "},
    {22000, "dva cet dva tisíc "},
    {100000, "sto tisíc "},
    {302000, "tři sta dva tisíc "},
    {1000000, "jeden milión"},
    {1000001, "jeden miliónjedna "},
    {2500000, "dva milióny pjet set tisíc "},
    {3000000, "tři milióny "},
    {7000000, "sedm miliónů "},
    {45000000, "čtyři cet pjet miliónů "},
    {100000000, "sto miliónů "},
    {999999999,
     "devjet set deva desát devjet miliónů devjet set deva desát devjet tisíc devjet "
     "set deva desát devjet "},
    {-3, "mínus tři "},
    {0.5, "nula celích pa desát "},
    {1.5, "jedna  celích pa desát "},
    {2.05, "dva  celích pjet "},
    {7.123, "sedm  celích dva náct "},
    {-0.5, "mínus nula celích pa desát "},
    // Billions.
    {1e9, "jedna miliarda "},
    {2e9, "dvje miliardy "},
    {3e9, "tři miliardy "},
    {4000000001, "čtyři miliardy jedna "},
    {5e9, "pjet miliard "},
    {21e9, "dva cet jeden miliard "},
    {101e9, "sto jeden miliard "},
    {999999999999.0,
     "devjet set deva desát devjet miliard devjet set deva desát devjet miliónů "
     "devjet set deva desát devjet tisíc devjet set deva desát devjet "},
    {1002003004, "jedna miliarda dva milióny tři tisíce čtyři "},
};

TEST(NumberToWords, ReadsTheTable) {
    for (const TNumberCase& c : kNumbers) {
        EXPECT_EQ(NumberToWords(c.value), Cp(c.words)) << c.value;
    }
}

TEST(NumberToWords, TwelveDigitsAreTheLimit) {
    EXPECT_TRUE(IsReadableNumber(999999999999.99));
    EXPECT_FALSE(IsReadableNumber(999999999999.999));  // "%.2f" rounds it to 13 digits
    EXPECT_FALSE(IsReadableNumber(1e12));
    EXPECT_FALSE(IsReadableNumber(-1e12));
    EXPECT_EQ(NumberToWords(1e12), "");
}

TEST(Tens, ReadsSpacesAsNothing) {
    EXPECT_EQ(Tens(' ', ' ', TForm::Feminine), "");
    EXPECT_EQ(Tens(' ', '1', TForm::Masculine), "jeden ");
    EXPECT_EQ(Tens('0', '2', TForm::Feminine), "dva ");
    EXPECT_EQ(Hundreds(' '), "");
    EXPECT_EQ(Hundreds('5'), "pjet set ");
}

struct TSyntaxCase {
    const char* text;
    bool number;
    double value;
};

const TSyntaxCase kSyntax[] = {
    {"25", true, 25},
    {"  25", true, 25},
    {"25 ", false, 0},
    {"-3", true, -3},
    {"+3", true, 3},
    {".", true, 0},
    {"5.", true, 5},
    {".5", true, 0.5},
    {"e5", true, 0},
    {"-e5", true, 0},
    {"1e3", true, 1000},
    {"1E+3", true, 1000},
    {"2.5e-1", true, 0.25},
    {"-", false, 0},
    {"+", false, 0},
    {"", false, 0},
    {"   ", false, 0},
    {"1e", false, 0},
    {"1e+", false, 0},
    {"1.2.3", false, 0},
    {"12a", false, 0},
    {"a12", false, 0},
    {"1,5", false, 0},
    {"--1", false, 0},
    {"1e400", false, 0},
    {"1e-400", true, 0},
    {"999999999999.99", true, 999999999999.99},
    {"1000000000000", false, 0},
};

TEST(IsNumber, FollowsTheSyntax) {
    for (const TSyntaxCase& c : kSyntax) {
        double value = -1;
        EXPECT_EQ(IsNumber(c.text, value), c.number) << '"' << c.text << '"';
        if (c.number) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

TEST(IsNumber, SurvivesHugeDigitStrings) {
    double value = 0;
    EXPECT_FALSE(IsNumber(std::string(300, '9'), value));
    EXPECT_TRUE(IsNumber("0." + std::string(400, '0') + "1", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(IsNumber("1" + std::string(400, '0') + "e-50", value));
    EXPECT_FALSE(IsNumber("1e" + std::string(300, '9'), value));
}

}  // namespace
}  // namespace vokadlo
