#include "core/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Cp1250Table.h"

namespace vokadlo {
namespace {

// Capitals above 0x7F and their small letters: Š Ś Ť Ž Ź Ł Ą Ş Ż Ľ, then 0xC0..0xDE but ×.
struct TCasePair {
    std::uint8_t upper;
    std::uint8_t lower;
};
constexpr std::array<TCasePair, 10> kHighCapitals = {{
    {0x8A, 0x9A},
    {0x8C, 0x9C},
    {0x8D, 0x9D},
    {0x8E, 0x9E},
    {0x8F, 0x9F},
    {0xA3, 0xB3},
    {0xA5, 0xB9},
    {0xAA, 0xBA},
    {0xAF, 0xBF},
    {0xBC, 0xBE},
}};

constexpr std::array<std::uint8_t, 256> MakeLowerTable() {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = static_cast<std::uint8_t>(i);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        table[c] = static_cast<std::uint8_t>(c + 32);
    }
    for (const TCasePair& pair : kHighCapitals) {
        table[pair.upper] = pair.lower;
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) {  // × has no case
            table[c] = static_cast<std::uint8_t>(c + 32);
        }
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kLower = MakeLowerTable();

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) < 33;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char EncodeCp1250(char32_t cp) {
    const int byte = cp1250::EncodeByte(cp);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

char LowerChar(char c) {
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = LowerChar(c);
    }
    return out;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin])) {
        ++begin;
    }
    while (end > begin && IsTrimmed(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

bool IsBlank(std::string_view text) {
    for (char c : text) {
        if (!IsTrimmed(c)) {
            return false;
        }
    }
    return true;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t cp = 0;
        const std::size_t len = cp1250::DecodeUtf8(bytes, pos, cp);
        if (len == 0) {
            return false;
        }
        pos += len;
    }
    return true;
}

std::string Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        const std::size_t len = cp1250::DecodeUtf8(utf8, pos, cp);
        if (len == 0) {
            out += '?';
            ++pos;
            continue;
        }
        out += EncodeCp1250(cp);
        pos += len;
    }
    return out;
}

std::string Cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{cp1250::kHighHalf[b - 0x80]});
    }
    return out;
}

}  // namespace vokadlo
