// An ordinal before the noun it counts, in the noun's gender and case.
#include "reading/Ordinal.h"

#include "core/Cp1250Literal.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/PassTools.h"

namespace vokadlo {

namespace {

// Nouns written abbreviated after an ordinal ("2. pol.", "20. stol.", "75. km"), by their
// nominative, and whether a period ends the abbreviation.
struct TAbbreviatedNoun {
    std::string_view written;
    std::string_view noun;
    bool period;
};
constexpr TAbbreviatedNoun kAbbreviatedNouns[] = {
    {"pol", "polovina", true}, {"stol", "století"_cp, true},  {"str", "strana", true},
    {"kap", "kapitola", true}, {"roč"_cp, "ročník"_cp, true}, {"tř"_cp, "třída"_cp, true},
    {"km", "kilometr", false}, {"st", "století"_cp, true},
};

// True when a noun phrase ends just before token i: a phrase a pass read ("druhé polovině") or
// a noun of the dictionary ("konec"), then a space.
bool AfterNounPhrase(const TTokenList& list, std::size_t i) {
    if (i < 2 || !list.IsInlineSpace(i - 1)) {
        return false;
    }
    std::size_t j = i - 2;
    while (j > 0 && list[j].kind == TTokenKind::Removed) {
        --j;
    }
    const TToken& t = list[j];
    if (t.kind == TTokenKind::Read) {
        return !t.text.empty() && IsLetter(t.text.back());
    }
    return t.kind == TTokenKind::Word && FindNoun(t.text, std::nullopt).has_value();
}

}  // namespace

bool IsAbbreviatedNoun(std::string_view word) {
    for (const TAbbreviatedNoun& a : kAbbreviatedNouns) {
        if (a.written == word) {
            return true;
        }
    }
    return false;
}

std::optional<TOrdinalForm> OrdinalFormAt(const TTokenList& list, std::size_t first,
                                          std::size_t dot, bool knownNounOnly) {
    const std::size_t word = dot + 2;
    if (!list.IsInlineSpace(dot + 1) || !list.Is(word, TTokenKind::Word)) {
        return std::nullopt;
    }
    const auto prep = PrepositionBefore(list, first);
    const std::optional<TGramCase> asked =
        prep ? std::optional<TGramCase>(prep->gramCase) : std::nullopt;
    if (const TMonthForm month = FindMonth(list[word].text); month.month != 0) {
        // A day before its month ("1. ledna"), when no date was read there.
        TOrdinalForm form;
        form.gramCase = month.gramCase;
        return form;
    }
    std::size_t nounAt = word;
    for (int skipped = 0; skipped < 2 && LooksLikeAdjective(list[nounAt].text) &&
                          list.IsInlineSpace(nounAt + 1) && list.Is(nounAt + 2, TTokenKind::Word);
         ++skipped) {
        nounAt += 2;
    }
    TGender gender = TGender::Inanimate;
    TGramCase gramCase = asked.value_or(TGramCase::Nominative);
    TOrdinalForm form;
    std::optional<TNounForm> noun;
    std::string_view lemma;  // of an abbreviated noun
    for (const TAbbreviatedNoun& a : kAbbreviatedNouns) {
        if (a.written == list[word].text &&
            (a.period ? list.IsChar(word + 1, '.') : !list.Is(word + 1, TTokenKind::Word))) {
            noun = FindNoun(a.noun, asked);
            if (!noun) {
                continue;  // every noun of this table is in the dictionary
            }
            noun->gramCase = asked.value_or(TGramCase::Nominative);
            if (noun->gramCase == TGramCase::Accusative) {
                noun->gramCase = TGramCase::Locative;  // "na 5. str."
            }
            lemma = a.noun;
            form.nounEnd = word + (a.period ? 2 : 1);
        }
    }
    if (!noun) {
        noun = FindNoun(list[nounAt].text, asked);
    }
    if (knownNounOnly && (!noun || (noun->plural && !noun->countedPlural))) {
        return std::nullopt;
    }
    bool plural = false;
    if (noun && (!noun->plural || noun->countedPlural)) {
        gender = noun->gender;
        gramCase = noun->gramCase;
        plural = noun->countedPlural;
        // Right after a phrase read before it ("ve 2. pol. 20. stol."), a noun whose form does
        // not tell its case is the phrase's genitive.
        const bool caseless =
            (noun->cases & (1u << static_cast<unsigned>(TGramCase::Genitive))) != 0;
        if (!prep && caseless && AfterNounPhrase(list, first)) {
            gramCase = TGramCase::Genitive;
        }
    } else if (LooksLikeAdjective(list[word].text) &&
               !(nounAt != word && list[word].text.ends_with("í"_cp))) {
        const std::string& a = list[word].text;
        if (a.ends_with("á"_cp)) {
            gender = TGender::Feminine;
            gramCase = TGramCase::Nominative;
        } else if (a.ends_with("ou")) {
            gender = TGender::Feminine;
            gramCase = asked.value_or(TGramCase::Accusative);
        } else if (a.ends_with("ého"_cp)) {
            gramCase = TGramCase::Genitive;
        } else if (a.ends_with("ém"_cp)) {
            gramCase = TGramCase::Locative;
        } else if (a.ends_with("ým"_cp)) {
            gramCase = TGramCase::Instrumental;
        } else if (a.ends_with("é"_cp)) {
            gender = asked ? TGender::Feminine : TGender::Neuter;
        } else {
            gramCase = asked.value_or(TGramCase::Nominative);
        }
    } else {
        // The noun itself, past a soft adjective that tells no gender ("2. nejvyšší horu").
        const std::string& w = list[nounAt].text;
        gender = GuessGender(w, false);
        if (gramCase == TGramCase::Accusative && w.ends_with("u") && nounAt != word) {
            gender = TGender::Feminine;  // "o 2. nejvyšší horu"
        }
        if (gramCase == TGramCase::Accusative &&
            (w.ends_with("e") || w.ends_with("ě"_cp) || w.ends_with("i"))) {
            gramCase = TGramCase::Locative;  // "na 3. straně"
        }
        if (gramCase == TGramCase::Accusative && gender == TGender::Feminine && w.ends_with("a")) {
            gramCase = TGramCase::Nominative;
        }
    }
    form.gender = gender;
    form.gramCase = gramCase;
    form.plural = plural;
    if (!lemma.empty()) {
        form.noun = NounCaseForm(lemma, gramCase);
    }
    return form;
}

bool ReadOrdinal(TTokenList& list, std::size_t first, std::size_t dot, std::uint64_t value,
                 bool knownNounOnly) {
    if (value == 0 || value > 1000) {
        return false;
    }
    const auto form = OrdinalFormAt(list, first, dot, knownNounOnly);
    if (!form) {
        return false;
    }
    std::string reading =
        OrdinalWords(static_cast<unsigned>(value), form->gender, form->gramCase, form->plural);
    if (reading.empty()) {
        return false;
    }
    if (const auto prep = PrepositionBefore(list, first)) {
        VocalisePreposition(list, prep->index, reading);
    }
    if (!form->noun.empty()) {
        AppendWord(reading, form->noun);
        // "ve 13. stol.": the abbreviation's period may also end the sentence.
        if (list.IsChar(form->nounEnd - 1, '.') && PeriodEndsSentence(list, form->nounEnd - 1)) {
            reading += '.';
        }
        list.Replace(first, form->nounEnd, std::move(reading));
    } else {
        list.Replace(first, dot + 1, std::move(reading));
    }
    return true;
}

}  // namespace vokadlo
