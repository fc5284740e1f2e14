// Where backslash tags stand in a chunk text: the spans that the text conversions must not
// touch, and the display text without them.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// How far after a "\" the next one is looked for.
inline constexpr std::size_t kTagWindow = 100;

// True for the characters that open a tag, "\" and "{".
constexpr bool IsTagOpening(char c) {
    return c == '\\' || c == '{';
}

// 1-based position of the first "\" among the kTagWindow characters after the first one of
// `s`; 0 when there is none among them.
std::size_t NextBackslash(std::string_view s);

// A chunk text cut into its leading backslash tags, the word to convert, and the rest from
// the first later "\" on.
struct TTagSplit {
    std::string prefix;
    std::string word;
    std::string rest;
};

// While `s` begins with "\", moves it and everything up to the next "\" within kTagWindow
// characters (or the "\" alone) to the prefix; then, if a "\" is left, the word is what comes
// before the first "\" within kTagWindow characters after the word's first character (empty
// when there is none so near) and the rest is everything after the word. Allocates.
TTagSplit SplitTags(std::string_view s);

// `s` with every backslash tag removed: a "\" opens a tag, the next "\" closes it, and both
// and everything between them are dropped; an unclosed "\" drops everything after it.
// Brace tags stay. Allocates.
std::string RemoveBackslashTags(std::string_view s);

}  // namespace vokadlo
