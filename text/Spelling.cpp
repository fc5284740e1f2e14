#include "text/Spelling.h"

#include <array>

#include "core/CodePage.h"
#include "text/TagSpans.h"

namespace vokadlo {
namespace {

struct TLetterRow {
    char letter;
    const char* name;
};

constexpr std::array<TLetterRow, 32> kLetterNames = {{
    {'a', "\xE1"},         // á
    {'\xE1', "\xE1"},      // á: á
    {'b', "b\xE9"},        // bé
    {'c', "c\xE9"},        // cé
    {'\xE8', "\xE8\xE9"},  // č: čé
    {'d', "d\xE9"},        // dé
    {'\xEF', "\xEF\xE9"},  // ď: ďé
    {'e', "\xE9"},         // é
    {'f', "ef"},
    {'g', "g\xE9"},  // gé
    {'h', "h\xE1"},  // há
    {'i', "\xED"},   // í
    {'j', "j\xE9"},  // jé
    {'k', "k\xE1"},  // ká
    {'l', "el"},
    {'m', "em"},
    {'n', "en"},
    {'\xF2', "e\xF2"},  // ň: eň
    {'o', "\xF3"},      // ó
    {'p', "p\xE9"},     // pé
    {'q', "kv\xE9"},    // kvé
    {'r', "er"},
    {'\xF8', "e\xF8"},  // ř: eř
    {'s', "es"},
    {'\x9A', "e\x9A"},          // š: eš
    {'t', "t\xE9"},             // té
    {'v', "v\xE9"},             // vé
    {'w', "dvojit\xE9 v\xE9"},  // dvojité vé
    {'x', "iks"},
    {'y', "ypsilon"},
    {'z', "zet"},
    {'\x9E',
     "\x9E"
     "et"},  // ž: žet
}};

// a á e é ě i í y ý u ú ů o ó
constexpr std::string_view kVowels =
    "a\xE1"
    "e\xE9\xEC"
    "i\xED"
    "y\xFD"
    "u\xFA\xF9"
    "o\xF3";

constexpr std::string_view kEnd = "{kOnEc}";

bool IsBlankChar(char c) {
    return static_cast<unsigned char>(c) < 33;
}

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsBlankChar(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlankChar(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// 1-based position of the first "\" among the kTagWindow characters after the first one.
std::size_t NextBackslash(std::string_view s) {
    const std::size_t found = s.substr(1, kTagWindow).find('\\');
    return found == std::string_view::npos ? 0 : found + 1;
}

// RemainingText as a view into `pending`: the pending text can be long, and only this
// chunk's spelling looks at it.
std::string_view Remaining(std::string_view pending) {
    std::string_view r = TrimView(pending);
    while (!r.empty() && r.front() == '\\') {
        r.remove_prefix(NextBackslash(r) + 1);
    }
    if (r.find('\\') != std::string_view::npos) {
        r = r.substr(0, NextBackslash(r));
    }
    r = TrimView(r);
    return r == kEnd ? std::string_view() : r;
}

}  // namespace

std::string LetterName(char c) {
    const char lower = LowerChar(c);
    for (const TLetterRow& row : kLetterNames) {
        if (row.letter == lower) {
            return row.name;
        }
    }
    return std::string(1, c);
}

bool HasVowel(std::string_view w) {
    return w.find_first_of(kVowels) != std::string_view::npos;
}

std::string RemainingText(std::string_view pending) {
    return std::string(Remaining(pending));
}

std::string SpellWord(std::string_view s, std::string_view pending) {
    const std::string t = Trim(s);
    if (t.size() == 1 && (t == "j" || Remaining(pending).empty())) {
        return LetterName(t[0]) + "_";
    }
    if (t.size() == 2 && (t[1] == '.' || t[1] == ')' || t[1] == '-')) {
        return LetterName(s[0]) + "._";
    }
    if (t.size() >= 2 && (t == "ok" || !HasVowel(t))) {
        std::string spelled;
        for (const char c : s) {
            spelled += LetterName(c);
        }
        return spelled;
    }
    return std::string(s);
}

}  // namespace vokadlo
