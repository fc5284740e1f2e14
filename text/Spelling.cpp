#include "text/Spelling.h"

#include <array>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "text/TagSpans.h"

namespace vokadlo {
namespace {

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
