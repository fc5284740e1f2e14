// What a number counts and the case it is read in.
#include "reading/Counted.h"

#include "core/Cp1250Literal.h"

namespace vokadlo {

const TCurrencyName* CurrencySymbol(const TTokenList& list, std::size_t i) {
    if (i >= list.size() || !IsOpen(list, i)) {
        return nullptr;
    }
    const TToken& t = list[i];
    if (t.kind == TTokenKind::Punctuation) {
        return FindCurrency(t.text);
    }
    return t.kind == TTokenKind::Foreign ? FindCurrency(list.Utf8(t)) : nullptr;
}

std::optional<TCountedMatch> MatchCounted(const TTokenList& list, std::size_t k, bool scalesToo) {
    if (k >= list.size() || !IsOpen(list, k)) {
        return std::nullopt;
    }
    const TTokenKind firstKind = list[k].kind;
    if (firstKind == TTokenKind::Number || firstKind == TTokenKind::Space) {
        return std::nullopt;
    }
    for (std::size_t n = 5; n >= 1; --n) {
        if (k + n > list.size()) {
            continue;
        }
        std::string written;
        bool usable = true;
        for (std::size_t t = k; t < k + n && usable; ++t) {
            const TToken& token = list[t];
            if (!IsOpen(list, t)) {
                usable = false;
            } else if (token.kind == TTokenKind::Space) {
                // Only after a number inside: "l/100 km".
                usable = t > k && list[t - 1].kind == TTokenKind::Number && token.text == " ";
                written += ' ';
            } else if (token.kind == TTokenKind::Foreign) {
                written += list.Utf8(token);
            } else if (token.kind == TTokenKind::Number) {
                usable = t > k;  // "m2", "cm3", "l/100 km"
                written += token.text;
            } else {
                written += token.text;
            }
        }
        const std::size_t after = k + n;
        if (!usable || list.Is(after, TTokenKind::Word) || list.Is(after, TTokenKind::Number)) {
            continue;
        }
        TCountedMatch match;
        match.end = after;
        if (const TCurrencyName* c = FindCurrency(written)) {
            match.counted.currency = c;
        } else if (const TUnitName* u = FindUnit(written)) {
            // "s" is also the preposition: a second only where no word follows.
            if (written == "s" && list.Is(SkipInlineSpace(list, after), TTokenKind::Word)) {
                continue;
            }
            match.counted.unit = u;
        } else if (const TCountedWord* w = FindCountedWord(written);
                   w && (scalesToo || !w->scale)) {
            match.counted.word = w;
        } else {
            continue;
        }
        match.keepPeriod = written.back() == '.' && PeriodEndsSentence(list, after - 1);
        return match;
    }
    return std::nullopt;
}

std::string PerUnit(const TCounted& by) {
    const TUnitName* unit = by.unit;
    if (by.word && !by.word->unit.empty()) {
        unit = FindUnit(by.word->unit);
    }
    std::string out = "za";
    if (unit) {
        const auto& row = unit->forms[static_cast<std::size_t>(TPlural::One)];
        const std::string_view form = row[static_cast<std::size_t>(TGramCase::Accusative)];
        AppendWord(out, form.empty() ? row[0] : form);
    } else if (by.word) {
        std::string form(by.word->forms[0]);
        if (by.word->gender == TGender::Feminine && !form.empty() && form.back() == 'a') {
            form.back() = 'u';
        }
        AppendWord(out, form);
    }
    return out;
}

bool CountsSomething(const TCounted& c) {
    return c.unit || c.currency || c.word;
}

TGramCase CaseFor(const TTokenList& list, const TPrepositionBefore& prep, const TCounted& counted,
                  std::size_t noun) {
    const std::string& p = list[prep.index].text;
    const bool in = p == "v" || p == "ve" || p == "V" || p == "Ve";
    if (in && counted.unit && counted.unit->id == "duration-hour") {
        return TGramCase::Accusative;  // "ve 20 h"
    }
    if (!list.Is(noun, TTokenKind::Word)) {
        // "Přijď v 5.": a bare number after "v" is an hour.
        return in && !CountsSomething(counted) ? TGramCase::Accusative : prep.gramCase;
    }
    const std::string& w = list[noun].text;
    const bool placeWord = in || p == "na" || p == "Na" || p == "o" || p == "O";
    if (placeWord && (w.ends_with("ech") || w.ends_with("ích"_cp) || w.ends_with("ách"_cp))) {
        return TGramCase::Locative;
    }
    if (in && (w == "hodin" || w == "hodiny" || w == "h")) {
        return TGramCase::Accusative;
    }
    return prep.gramCase;
}

}  // namespace vokadlo
