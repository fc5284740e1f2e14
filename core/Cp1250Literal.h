// Czech text written readably in the sources and stored in the engine's code page:
//
//   constexpr std::string_view kWord = "žluťoučký"_cp;  // code page 1250, one byte a letter
//   constexpr char kSoftD = U'ď'_cp;
//
// The UTF-8 literal is converted while compiling, into storage that lives as long as the
// program (the view may be kept anywhere; its data is followed by a NUL). A character the code
// page lacks, or a malformed UTF-8 sequence, stops the build. std::string("..."_cp) makes a
// string of it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/Cp1250Table.h"

namespace vokadlo {
namespace cp1250 {

// Reached only while compiling a literal; being no constant expression, it stops the build.
void CharacterMissingFromCodePage1250();
void MalformedUtf8InLiteral();

// A string literal as a template argument.
template <std::size_t N>
struct TUtf8Literal {
    char bytes[N] = {};

    consteval TUtf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            bytes[i] = text[i];
        }
    }
    constexpr std::string_view View() const { return {bytes, N - 1}; }
};

consteval char ToByte(char32_t cp) {
    const int byte = EncodeByte(cp);
    if (byte < 0) {
        CharacterMissingFromCodePage1250();
    }
    return static_cast<char>(byte);
}

// The number of characters of `utf8`, each checked for a byte of its own in the code page.
consteval std::size_t CountCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) {
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8(utf8, pos, cp);
        if (length == 0) {
            MalformedUtf8InLiteral();
        }
        ToByte(cp);
        pos += length;
    }
    return count;
}

// The code page 1250 bytes of a literal of N characters, and a NUL.
template <std::size_t N>
struct TText {
    std::array<char, N + 1> bytes = {};

    constexpr std::string_view View() const { return {bytes.data(), N}; }
};

template <std::size_t N>
consteval TText<N> Convert(std::string_view utf8) {
    TText<N> text;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < N; ++i) {
        char32_t cp = 0;
        pos += DecodeUtf8(utf8, pos, cp);
        text.bytes[i] = ToByte(cp);
    }
    return text;
}

// One object per distinct literal, for the whole run of the program.
template <TUtf8Literal Utf8>
inline constexpr auto kText = Convert<CountCharacters(Utf8.View())>(Utf8.View());

}  // namespace cp1250

inline namespace cp1250_literals {

// "příliš"_cp: the code page 1250 text of a UTF-8 string literal.
template <cp1250::TUtf8Literal Utf8>
consteval std::string_view operator""_cp() {
    return cp1250::kText<Utf8>.View();
}

// U'ř'_cp: the code page 1250 byte of one character.
consteval char operator""_cp(char32_t c) {
    return cp1250::ToByte(c);
}

}  // namespace cp1250_literals
}  // namespace vokadlo
