// Where tags stand in a chunk text: the spans that the text conversions must not touch, and the
// display text without its backslash tags.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// How far after a tag's opening character its closing one is looked for, and after a word's
// first character the opening of a later tag.
inline constexpr std::size_t kTagWindow = 100;

// The characters that open a tag: "\" (closed by "\") and "{" (closed by "}").
inline constexpr std::string_view kTagOpenings = "\\{";

constexpr bool IsTagOpening(char c) {
    return c == '\\' || c == '{';
}

// The character that closes a tag opened by `opening`.
constexpr char TagClosing(char opening) {
    return opening == '{' ? '}' : '\\';
}

// 1-based position of the first of `chars` among the kTagWindow characters after the first one
// of `s`; 0 when there is none among them.
std::size_t FindInTagWindow(std::string_view s, std::string_view chars);

// A chunk text cut into its leading tags, the word to convert, and the rest from the first
// later tag opening on.
struct TTagSplit {
    std::string prefix;
    std::string word;
    std::string rest;
};

// While `s` begins with a tag opening, moves it and everything up to its closing character
// within kTagWindow characters (or the opening alone) to the prefix; then, if a "\" or "{" is
// left, the word is what comes before the first of them within kTagWindow characters after the
// word's first character (empty when there is none so near) and the rest is everything after
// the word. Allocates.
TTagSplit SplitTags(std::string_view s);

// `s` with every backslash tag removed: a "\" opens a tag, the next "\" closes it, and both
// and everything between them are dropped; an unclosed "\" drops everything after it.
// Brace tags stay. Allocates.
std::string RemoveBackslashTags(std::string_view s);

}  // namespace vokadlo
