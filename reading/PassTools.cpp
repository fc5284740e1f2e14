// Shared readings of the token list.
#include "reading/PassTools.h"

#include "core/CodePage.h"
#include "reading/Grammar.h"

namespace vokadlo {

std::optional<std::uint64_t> NumberValue(const TTokenList& list, std::size_t i) {
    if (!list.Is(i, TTokenKind::Number) || list[i].text.size() > 12) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : list[i].text) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

bool IsOpen(const TTokenList& list, std::size_t i) {
    return i < list.size() && list[i].kind != TTokenKind::Tag && list[i].kind != TTokenKind::Read &&
           list[i].kind != TTokenKind::Removed;
}

std::size_t SkipInlineSpace(const TTokenList& list, std::size_t i) {
    return list.IsInlineSpace(i) ? i + 1 : i;
}

bool StartsFree(const TTokenList& list, std::size_t i) {
    if (i == 0) {
        return true;
    }
    const TToken& before = list[i - 1];
    if (before.kind == TTokenKind::Space || before.kind == TTokenKind::Tag) {
        return true;
    }
    if (before.kind == TTokenKind::Punctuation) {
        const char c = before.text[0];
        return c == '(' || c == '[' || c == '"' || c == '\'' || c == '\x84' /* „ */ ||
               c == '\x93' /* “ */ || c == '\x82' /* ‚ */ || c == '\x91' /* ‘ */ ||
               c == '\xBB' /* » */ || c == '\x96' /* – */;
    }
    return false;
}

bool IsCapitalised(std::string_view word) {
    return !word.empty() && LowerChar(word[0]) != word[0];
}

bool PeriodEndsSentence(const TTokenList& list, std::size_t i) {
    std::size_t next = i + 1;
    while (list.Is(next, TTokenKind::Tag)) {
        ++next;
    }
    if (next >= list.size()) {
        return true;
    }
    if (list.Is(next, TTokenKind::Punctuation)) {
        // A closing quote or bracket after the period: the quoted sentence ends there.
        const char c = list[next].text[0];
        return c == '"' || c == '\x93' /* “ */ || c == '\x94' /* ” */ || c == ')' ||
               c == '\xAB' /* « */ || c == '\x92' /* ’ */;
    }
    if (!list.Is(next, TTokenKind::Space)) {
        return false;
    }
    if (!list.IsInlineSpace(next)) {
        return true;
    }
    ++next;
    while (list.Is(next, TTokenKind::Tag)) {
        ++next;
    }
    if (next >= list.size()) {
        return true;
    }
    const TToken& t = list[next];
    if (t.kind == TTokenKind::Word) {
        return IsCapitalised(t.text);
    }
    if (t.kind == TTokenKind::Punctuation) {
        const char c = t.text[0];
        return c == '"' || c == '\x84' || c == '(' || c == '-' || c == '\x96';
    }
    return false;
}

std::optional<TPrepositionBefore> PrepositionBefore(const TTokenList& list, std::size_t i) {
    if (i < 2 || !list.IsInlineSpace(i - 1) || !list.Is(i - 2, TTokenKind::Word)) {
        return std::nullopt;
    }
    if (i >= 3 && !StartsFree(list, i - 2)) {
        return std::nullopt;
    }
    const auto gramCase = PrepositionCase(list[i - 2].text);
    if (!gramCase) {
        return std::nullopt;
    }
    return TPrepositionBefore{i - 2, *gramCase};
}

// The value of a Roman numeral written canonically (I..MMMCMXCIX), or 0.
unsigned RomanValue(std::string_view s) {
    static constexpr struct {
        std::string_view letters;
        unsigned value;
    } kDigits[] = {{"M", 1000}, {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100},
                   {"XC", 90},  {"L", 50},   {"XL", 40}, {"X", 10},   {"IX", 9},
                   {"V", 5},    {"IV", 4},   {"I", 1}};
    if (s.empty() || s.size() > 12) {
        return 0;
    }
    unsigned value = 0;
    std::size_t pos = 0;
    for (const auto& d : kDigits) {
        int repeats = 0;
        while (s.substr(pos, d.letters.size()) == d.letters) {
            value += d.value;
            pos += d.letters.size();
            if (++repeats > 3 || (d.letters.size() == 2 && repeats > 1)) {
                return 0;
            }
        }
    }
    return pos == s.size() ? value : 0;
}

void VocalisePreposition(TTokenList& list, std::size_t index, std::string_view reading) {
    TToken& p = list[index];
    if (p.kind == TTokenKind::Word) {
        p.text = std::string(VocalisedPreposition(p.text, reading));
    }
}

}  // namespace vokadlo
