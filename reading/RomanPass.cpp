// Roman numerals after a ruler's name read as ordinals ("Karel IV." Karel čtvrtý, "Jan Pavel
// II.", "Karla IV." Karla čtvrtého). Before a noun ("XXI. století") the number pass reads them.
#include <algorithm>
#include <span>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"

namespace vokadlo {

namespace {

// Men's names that rulers and popes bear; a numeral after one needs no period ("Karel IV").
constexpr std::string_view kRulers[] = {
    "Karel",      "Václav"_cp,    "Jan",      "Pavel",     "Jiří"_cp,   "Jindřich"_cp,
    "Ludvík"_cp,  "Přemysl"_cp,   "Otakar",   "Vladislav", "Ferdinand", "Leopold",
    "Josef",      "František"_cp, "Rudolf",   "Matyáš"_cp, "Zikmund",   "Boleslav",
    "Bedřich"_cp, "Fridrich"_cp,  "Vilém"_cp, "Jakub",     "Petr",      "Mikuláš"_cp,
    "Řehoř"_cp,   "Benedikt",     "Pius",     "Lev",       "Inocenc",   "Klement",
    "Alexandr",   "Napoleon",     "Eduard",   "Richard",   "Filip",     "Albert",
    "Konstantin", "Ivan",
};

// Women's names that queens and empresses bear, in the nominative.
constexpr std::string_view kQueens[] = {
    "Alžběta"_cp, "Marie",  "Kateřina"_cp, "Viktorie", "Anna",    "Eliška"_cp,
    "Markéta"_cp, "Johana", "Ludmila",     "Kristina", "Terezie",
};

bool InList(std::span<const std::string_view> list, std::string_view word) {
    for (std::string_view w : list) {
        if (w == word) {
            return true;
        }
    }
    return false;
}

// The gender and case of a ruler's name as written ("Karel", "Karla", "Karlovi", "Alžbětou").
struct TNameForm {
    TGender gender = TGender::Animate;
    TGramCase gramCase = TGramCase::Nominative;
};

TNameForm NameForm(std::string_view name) {
    if (InList(kQueens, name)) {
        return {TGender::Feminine, TGramCase::Nominative};
    }
    const auto ends = [&](std::string_view tail) { return name.ends_with(tail); };
    if (ends("ovi")) {
        return {TGender::Animate, TGramCase::Dative};
    }
    if (ends("em")) {
        return {TGender::Animate, TGramCase::Instrumental};
    }
    if (ends("ou")) {
        return {TGender::Feminine, TGramCase::Instrumental};
    }
    if (ends("a") && !InList(kRulers, name)) {
        return {TGender::Animate, TGramCase::Genitive};
    }
    return {};
}

// "díl IV" díl čtyři, "Praha IV" Praha čtyři, "Kapitola IV." kapitola čtvrtá: after a noun of
// the dictionary (or Prague's districts) a numeral counts without a period and agrees with
// the noun as an ordinal with one.
bool ReadAfterNoun(TTokenList& list, std::size_t i, unsigned value, bool period) {
    if (i < 2 || !list.IsInlineSpace(i - 1) || !list.Is(i - 2, TTokenKind::Word)) {
        return false;
    }
    const std::string& word = list[i - 2].text;
    const std::string lower = LowerCase(word);
    const bool prague = lower.starts_with("prah") || lower.starts_with("praz");
    const auto noun = FindNoun(word, std::nullopt);
    if ((!noun && !prague) || (noun && noun->plural)) {
        return false;
    }
    const std::size_t after = i + (period ? 2 : 1);
    const std::size_t next = SkipInlineSpace(list, after);
    if (list[i].text.size() == 1 && next != after && list.Is(next, TTokenKind::Word) &&
        (!period || IsCapitalised(list[next].text))) {
        return false;  // "díl V lese", "bod A. Novák"
    }
    const bool ordinal = period && noun;
    std::string reading =
        ordinal ? OrdinalWords(value, noun->gender, noun->gramCase) : CardinalWords(value);
    if (ordinal && PeriodEndsSentence(list, i + 1)) {
        reading += '.';
    }
    list.Replace(i, ordinal ? after : i + 1, std::move(reading));
    return true;
}

// A byname after the numeral, which the period does not end the sentence before: "Otto IV.
// Brunšvický", "Karla IV. Lucemburského".
bool IsByname(std::string_view word) {
    static constexpr std::string_view kEndings[] = {"ský"_cp,   "cký"_cp,   "ská"_cp, "cká"_cp,
                                                    "ského"_cp, "ckého"_cp, "ské"_cp, "cké"_cp};
    if (!IsCapitalised(word)) {
        return false;
    }
    const std::string lower = LowerCase(word);
    return std::any_of(std::begin(kEndings), std::end(kEndings),
                       [&](std::string_view e) { return lower.ends_with(e); });
}

}  // namespace

void ReadRomanNumerals(TTokenList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].kind != TTokenKind::Word || !StartsFree(list, i)) {
            continue;
        }
        const unsigned value = RomanValue(list[i].text);
        if (value == 0) {
            continue;
        }
        const bool period = list.IsChar(i + 1, '.');
        if (ReadAfterNoun(list, i, value, period)) {
            continue;
        }
        // After a name: a capitalised word (no preposition) and a space before it.
        if (i < 2 || !list.IsInlineSpace(i - 1) || !list.Is(i - 2, TTokenKind::Word) ||
            !IsCapitalised(list[i - 2].text) || list[i - 2].text.size() < 2 ||
            PrepositionCase(list[i - 2].text)) {
            continue;
        }
        const std::string& name = list[i - 2].text;
        const bool single = list[i].text.size() == 1;
        const std::size_t after = i + (period ? 2 : 1);
        const std::size_t next = SkipInlineSpace(list, after);
        const bool wordFollows = next != after && list.Is(next, TTokenKind::Word);
        if (!period && (!InList(kRulers, name) || (single && wordFollows))) {
            continue;  // "Karel V lese"
        }
        if (period && single && wordFollows && IsCapitalised(list[next].text)) {
            continue;  // "Jan V. Novák": an initial
        }
        if (single && !InList(kRulers, name) && !InList(kQueens, name)) {
            continue;  // "Tomáš V. řekl": a surname cut to its initial
        }
        const TNameForm form = NameForm(name);
        std::string reading = OrdinalWords(value, form.gender, form.gramCase);
        if (reading.empty()) {
            continue;
        }
        if (period && PeriodEndsSentence(list, i + 1) &&
            !(wordFollows && IsByname(list[next].text))) {
            reading += '.';
        }
        list.Replace(i, after, std::move(reading));
    }
}

}  // namespace vokadlo
