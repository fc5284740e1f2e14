// An ordinal before the noun it counts, in the noun's gender and case.
#include "reading/Ordinal.h"

#include "core/Cp1250Literal.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/PassTools.h"

namespace vokadlo {

// "3. den", "na 2. místě", "2. světová válka": the ordinal before the word at `word`.
bool ReadOrdinal(TTokenList& list, std::size_t first, std::size_t dot, std::uint64_t value,
                 bool knownNounOnly) {
    if (value == 0 || value > 1000) {
        return false;
    }
    const std::size_t word = dot + 2;
    const auto prep = PrepositionBefore(list, first);
    const std::optional<TGramCase> asked =
        prep ? std::optional<TGramCase>(prep->gramCase) : std::nullopt;
    std::size_t nounAt = word;
    for (int skipped = 0; skipped < 2 && LooksLikeAdjective(list[nounAt].text) &&
                          list.IsInlineSpace(nounAt + 1) && list.Is(nounAt + 2, TTokenKind::Word);
         ++skipped) {
        nounAt += 2;
    }
    TGender gender = TGender::Inanimate;
    TGramCase gramCase = asked.value_or(TGramCase::Nominative);
    const auto noun = FindNoun(list[nounAt].text, asked);
    if (knownNounOnly && (!noun || (noun->plural && !noun->countedPlural))) {
        return false;
    }
    bool plural = false;
    if (noun && (!noun->plural || noun->countedPlural)) {
        gender = noun->gender;
        gramCase = noun->gramCase;
        plural = noun->countedPlural;
    } else if (LooksLikeAdjective(list[word].text)) {
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
        const std::string& w = list[word].text;
        gender = GuessGender(w, false);
        if (gramCase == TGramCase::Accusative &&
            (w.ends_with("e") || w.ends_with("ě"_cp) || w.ends_with("i"))) {
            gramCase = TGramCase::Locative;  // "na 3. straně"
        }
        if (gramCase == TGramCase::Accusative && gender == TGender::Feminine && w.ends_with("a")) {
            gramCase = TGramCase::Nominative;
        }
    }
    const std::string reading =
        OrdinalWords(static_cast<unsigned>(value), gender, gramCase, plural);
    if (reading.empty()) {
        return false;
    }
    if (prep) {
        VocalisePreposition(list, prep->index, reading);
    }
    list.Replace(first, dot + 1, reading);
    return true;
}

}  // namespace vokadlo
