#include "text/Spelling.h"

#include <array>

#include "platform/CodePage.h"
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
    const std::string trimmed = Trim(pending);
    const TTagSplit split = SplitTags(trimmed);
    std::string r = Trim(split.word);
    if (r == kEnd) {
        r.clear();
    }
    return r;
}

std::string SpellWord(std::string_view s, std::string_view pending) {
    const std::string t = Trim(s);
    if (t.size() == 1 && (t == "j" || RemainingText(pending).empty())) {
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
