#include "text/Spelling.h"

#include <array>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "text/TagSpans.h"

namespace vokadlo {
namespace {

struct TLetterRow {
    char letter;
    std::string_view name;
};

constexpr std::array<TLetterRow, 32> kLetterNames = {{
    {'a', "á"_cp},      {U'á'_cp, "á"_cp},   {'b', "bé"_cp},     {'c', "cé"_cp},
    {U'č'_cp, "čé"_cp}, {'d', "dé"_cp},      {U'ď'_cp, "ďé"_cp}, {'e', "é"_cp},
    {'f', "ef"_cp},     {'g', "gé"_cp},      {'h', "há"_cp},     {'i', "í"_cp},
    {'j', "jé"_cp},     {'k', "ká"_cp},      {'l', "el"_cp},     {'m', "em"_cp},
    {'n', "en"_cp},     {U'ň'_cp, "eň"_cp},  {'o', "ó"_cp},      {'p', "pé"_cp},
    {'q', "kvé"_cp},    {'r', "er"_cp},      {U'ř'_cp, "eř"_cp}, {'s', "es"_cp},
    {U'š'_cp, "eš"_cp}, {'t', "té"_cp},      {'v', "vé"_cp},     {'w', "dvojité vé"_cp},
    {'x', "iks"_cp},    {'y', "ypsilon"_cp}, {'z', "zet"_cp},    {U'ž'_cp, "žet"_cp},
}};

constexpr std::string_view kVowels = "aáeéěiíyýuúůoó"_cp;

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

}  // namespace

std::string_view RemainingText(std::string_view pending, std::optional<std::size_t> lastBackslash) {
    std::string_view r = TrimView(pending);
    while (!r.empty() && r.front() == '\\') {
        r.remove_prefix(FindInTagWindow(r, "\\") + 1);
    }
    // A "\" in r: trailing blanks hold none, so the last one of `pending` tells.
    const std::size_t last = lastBackslash ? *lastBackslash : pending.rfind('\\');
    const auto offset = static_cast<std::size_t>(r.data() - pending.data());
    if (!r.empty() && last != std::string_view::npos && last >= offset) {
        r = r.substr(0, FindInTagWindow(r, "\\"));
    }
    r = TrimView(r);
    return r == kEnd ? std::string_view() : r;
}

std::string LetterName(char c) {
    const char lower = LowerChar(c);
    for (const TLetterRow& row : kLetterNames) {
        if (row.letter == lower) {
            return std::string(row.name);
        }
    }
    return std::string(1, c);
}

bool HasVowel(std::string_view w) {
    return w.find_first_of(kVowels) != std::string_view::npos;
}

std::string SpellWord(std::string_view s, std::string_view pending,
                      std::optional<std::size_t> lastBackslash) {
    const std::string t = Trim(s);
    if (t.size() == 1 && (t == "j" || RemainingText(pending, lastBackslash).empty())) {
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
