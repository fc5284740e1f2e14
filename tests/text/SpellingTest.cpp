#include <gtest/gtest.h>

#include "tests/text/Cp.h"
#include "text/Spelling.h"

namespace vokadlo {
namespace {

using test::Cp;

struct TSpellCase {
    const char* word;     // UTF-8, as the pipeline hands it over (with the chunk's space)
    const char* pending;  // the text after the chunk
    const char* spoken;   // UTF-8
};

const TSpellCase kSpelling[] = {
    {"x", "{kOnEc}", "iks_"},  // a lone letter at the end of the text
    {"k ", "domů", "k "},      // in the middle: spoken as its sound
    {"k", "{kOnEc}", "ká_"},
    {"k ", "  {kOnEc} ", "ká_"},
    {"k ", "\\ton=5\\", "ká_"},  // only a tag follows: still the last word
    {"k ", "\\ton=5\\ domů", "k "},
    {"j ", "domů", "jé_"},  // "j" is always spelled
    {"a) ", "první", "á._"},
    {"b. ", "druhý", "bé._"},
    {"x- ", "y", "iks._"},
    {"ok ", "", "óká "},
    {"OK", "", "óká"},  // capitals are named by their small letter
    {"krk ", "x", "káerká "},
    {"ps", "", "pées"},
    {"ťť ", "", "ťť "},  // no vowel, no letter names
    {"co ", "", "co "},
    {"ťa ", "", "ťa "},
    {"u", "{kOnEc}", "u_"},  // a letter without a name keeps its own
    {"Ť", "", "Ť_"},
    {"w", "", "dvojité vé_"},
    {"řž ", "", "eřžet "},
    {"", "", ""},
    {"   ", "", "   "},
};

TEST(SpellWord, SpellsWhatCannotBePronounced) {
    for (const TSpellCase& c : kSpelling) {
        EXPECT_EQ(SpellWord(Cp(c.word), Cp(c.pending)), Cp(c.spoken)) << c.word;
    }
}

TEST(LetterName, NamesEveryLetterWithAName) {
    const char* const letters = "aábcčdďefghijklmnňopqrřsštvwxyzž";
    const char* const names[] = {"á",  "á",  "bé", "cé",         "čé",  "dé",      "ďé",  "é",
                                 "ef", "gé", "há", "í",          "jé",  "ká",      "el",  "em",
                                 "en", "eň", "ó",  "pé",         "kvé", "er",      "eř",  "es",
                                 "eš", "té", "vé", "dvojité vé", "iks", "ypsilon", "zet", "žet"};
    const std::string cp = Cp(letters);
    const std::string capitals = Cp("AÁBCČDĎEFGHIJKLMNŇOPQRŘSŠTVWXYZŽ");
    ASSERT_EQ(cp.size(), std::size(names));
    for (std::size_t i = 0; i < cp.size(); ++i) {
        EXPECT_EQ(LetterName(cp[i]), Cp(names[i])) << names[i];
        EXPECT_EQ(LetterName(capitals[i]), Cp(names[i])) << names[i];
    }
    EXPECT_EQ(LetterName(Cp("Č")[0]), Cp("čé"));
    for (const char* unnamed : {"u", "é", "ě", "í", "ó", "ú", "ů", "ý", "ť", " ", ".", "1"}) {
        EXPECT_EQ(LetterName(Cp(unnamed)[0]), Cp(unnamed));
    }
}

TEST(HasVowel, KnowsTheFourteenVowels) {
    for (const char* vowel :
         {"a", "á", "e", "é", "ě", "i", "í", "y", "ý", "u", "ú", "ů", "o", "ó"}) {
        EXPECT_TRUE(HasVowel(Cp(vowel))) << vowel;
    }
    for (const char* none : {"krk", "ťť", "", "A", "Ó", "1.", "řž"}) {
        EXPECT_FALSE(HasVowel(Cp(none))) << none;
    }
}

struct TRemainingCase {
    const char* pending;
    const char* remaining;
};

const TRemainingCase kRemaining[] = {
    {"", ""},
    {"{kOnEc}", ""},
    {"  {kOnEc}\r\n", ""},
    {"{konec}", "{konec}"},  // a lower-cased marker is text
    {"domů", "domů"},
    {" domů dál ", "domů dál"},
    {"\\ton=5\\", ""},
    {"\\ton=5\\\\vol=0\\ a", "a"},
    {"ab\\ton=5\\cd", "ab"},
    {"\\", ""},
};

TEST(RemainingText, StopsAtTheNextTag) {
    for (const TRemainingCase& c : kRemaining) {
        EXPECT_EQ(RemainingText(Cp(c.pending)), Cp(c.remaining)) << c.pending;
    }
    // A "\" more than 100 characters on leaves nothing in front of it.
    EXPECT_EQ(RemainingText(std::string(150, 'a') + "\\x\\"), "");
    EXPECT_EQ(RemainingText(std::string(100, 'a') + "\\x\\"), std::string(100, 'a'));
}

}  // namespace
}  // namespace vokadlo
