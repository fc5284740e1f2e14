// The reading stage against its golden table (tests/reading/reading.tsv: input, tab, reading;
// UTF-8; "#" starts a comment line), and the pieces that tie its words back to the input.
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/CodePage.h"
#include "reading/Passes.h"
#include "reading/Reading.h"
#include "reading/Tokens.h"

namespace vokadlo {
namespace {

// "\n" in the table stands for a line break (so no tag there begins with "n").
std::string Unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

TEST(Reading, ReadsTheGoldenTable) {
    std::ifstream file(VOKADLO_SOURCE_DIR "/tests/reading/reading.tsv");
    ASSERT_TRUE(file) << "tests/reading/reading.tsv missing";
    std::string line;
    int lineNumber = 0;
    int rows = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << "line " << lineNumber << " has no tab";
        const std::string input = Unescape(line.substr(0, tab));
        const std::string expected = Unescape(line.substr(tab + 1));
        EXPECT_EQ(Cp1250ToUtf8(ReadAsCzech(input).text), expected)
            << "line " << lineNumber << ": " << input;
        ++rows;
    }
    EXPECT_GE(rows, 1);
}

TEST(Reading, PiecesTieWordsAndTagsToTheirInput) {
    const std::string input = "Mám \\mrk=1\\25 Kč, víš?";
    const TReadingResult result = ReadAsCzech(input);
    const std::string& text = result.text;
    // A word of the reading maps to the number it was read from; the tag stays at its place.
    EXPECT_EQ(result.SourceOffset(text.find("\\mrk=1\\")), input.find("\\mrk"));
    EXPECT_EQ(result.SourceOffset(text.find(Utf8ToCp1250("víš"))), input.find("víš"));
    EXPECT_EQ(result.SourceOffset(text.find(Utf8ToCp1250("š?"))), input.find("š?"));
    EXPECT_EQ(result.SourceOffset(text.size()), input.size());
    for (std::size_t i = 1; i < result.pieces.size(); ++i) {
        EXPECT_LT(result.pieces[i - 1].outBegin, result.pieces[i].outBegin);
        EXPECT_LE(result.pieces[i - 1].inBegin, result.pieces[i].inBegin);
    }
}

// Each pass reads its own things from a token list and leaves the rest to the others.
TEST(Reading, EachPassRunsAlone) {
    const std::string input = "Mám 25 Kč atd. od 1. ledna, Karel IV.";
    const auto runAlone = [&](TReadingPass pass) {
        TTokenList list = Tokenise(input, 0, input.size());
        pass(list);
        std::string text;
        for (const TToken& token : list.tokens) {
            text += token.text;
        }
        return Cp1250ToUtf8(text);
    };
    EXPECT_EQ(runAlone(ReadDatesAndTimes), "Mám 25 Kč atd. od prvního ledna, Karel IV.");
    EXPECT_EQ(runAlone(ReadNumbers), "Mám dvacet pět korun atd. od prvního ledna, Karel IV.");
    EXPECT_EQ(runAlone(ReadAbbreviations), "Mám 25 Kč a tak dále od 1. ledna, Karel IV.");
    EXPECT_EQ(runAlone(ReadRomanNumerals), "Mám 25 Kč atd. od 1. ledna, Karel čtvrtý.");
}

TEST(Reading, KeepsTagsAndLeavesCharactersAsTheyAreWithTagsOff) {
    EXPECT_EQ(ReadAsCzech("a{spd=200}b \\ton=5\\c").text, "a{spd=200}b \\ton=5\\c");
    EXPECT_EQ(ReadAsCzech("{x}", {.tags = false}).text, "{x}");
}

}  // namespace
}  // namespace vokadlo
