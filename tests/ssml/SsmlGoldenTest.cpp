// The golden table of SSML documents (golden.txt beside this file): each document with the
// engine text, marks, breaks and voice it reads as, and whether it was malformed.
//
// A case is a block of lines: "<" the document (a "\n" in it is a line break), ">" the text,
// "=" the marks in order ("name", or "+N ms" for a break), "v" the voice when one is chosen,
// "!" when the document is read as malformed. A failing case prints what it read, in the same
// form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ssml/Ssml.h"

namespace vokadlo {
namespace {

struct TCase {
    int line = 0;
    std::string document;
    std::string expected;  // the case's lines after the document, as written
};

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\n") == 0) {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// What a document reads as, in the table's form.
std::string Shown(const TSsmlText& read) {
    std::string out = "> " + read.text + "\n";
    if (!read.marks.empty()) {
        out += "=";
        for (const TSsmlMark& mark : read.marks) {
            out += mark.breakMs > 0 ? " +" + std::to_string(mark.breakMs) + " ms" : " " + mark.name;
            out += " |";
        }
        out.pop_back();
        out.pop_back();
        out += "\n";
    }
    if (read.voice) {
        out += "v " + std::to_string(*read.voice) + "\n";
    }
    if (!read.notice.empty()) {
        out += "!\n";
    }
    return out;
}

std::vector<TCase> ReadTable() {
    std::ifstream file(VOKADLO_SOURCE_DIR "/tests/ssml/golden.txt");
    std::vector<TCase> cases;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.starts_with("< ")) {
            cases.push_back({number, Unescaped(line.substr(2)), ""});
        } else if (!cases.empty() && !line.empty() && line[0] != '#') {
            cases.back().expected += line + "\n";
        }
    }
    return cases;
}

TEST(SsmlGolden, EveryDocumentReadsAsTheTableSays) {
    const std::vector<TCase> cases = ReadTable();
    ASSERT_GT(cases.size(), 20u);
    // VOKADLO_SSML_GOLDEN_PRINT=1 prints the table as read now, to review and take over.
    const bool print = std::getenv("VOKADLO_SSML_GOLDEN_PRINT") != nullptr;
    for (const TCase& c : cases) {
        if (print) {
            std::cout << "< " << c.document << "\n" << Shown(ReadSsml(c.document)) << "\n";
            continue;
        }
        EXPECT_EQ(Shown(ReadSsml(c.document)), c.expected)
            << "golden.txt:" << c.line << ": " << c.document;
    }
}

// The host's tempo and volume are where <prosody> starts from and what it returns to; a
// host's character words replace characters of the document's text, never of the markup.
TEST(SsmlGolden, HostSettingsAndCharacterWords) {
    TSsmlOptions options;
    options.speedPercent = 80;
    options.volume = 0;
    options.character = [](std::string_view c) -> std::optional<std::string> {
        if (c == "*") {
            return "hvězdička";
        }
        return std::nullopt;
    };
    const TSsmlText read =
        ReadSsml("<speak>a*b <prosody rate=\"50%\" volume=\"-6dB\">c</prosody> d</speak>", options);
    EXPECT_EQ(read.text, "a hvězdička b \\spd=125\\\\vol=31951\\c \\spd=176\\\\vol=0\\d");
}

// A document in code page 1250 or UTF-16 that says so reads as its text.
TEST(SsmlGolden, DeclaredEncodings) {
    EXPECT_EQ(
        ReadSsml("<?xml version=\"1.0\" encoding=\"windows-1250\"?><speak>P\xF8\xEDli\x9A</speak>")
            .text,
        "Příliš");
    std::string utf16 = "\xFF\xFE";
    for (const char16_t c : std::u16string(u"<speak>ř</speak>")) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    EXPECT_EQ(ReadSsml(utf16).text, "ř");
}

}  // namespace
}  // namespace vokadlo
