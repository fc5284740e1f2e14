// The prepositions that plainly ask for one case before a number, and their vocalised forms.
#include <array>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/Grammar.h"

namespace vokadlo {

namespace {

struct TPreposition {
    std::string_view word;  // lower case, code page 1250
    TGramCase gramCase;
};

// "na" and "o" also take the locative, "za" and "před" other cases: the row gives the case
// they ask for before a count; the passes correct it from the noun where it is plain. "se" is
// left out: it is far more often the reflexive pronoun ("narodil se 5. května").
constexpr TPreposition kPrepositions[] = {
    {"bez", TGramCase::Genitive},
    {"během"_cp, TGramCase::Genitive},
    {"dle", TGramCase::Genitive},
    {"včetně"_cp, TGramCase::Genitive},
    {"ohledně"_cp, TGramCase::Genitive},
    {"podél"_cp, TGramCase::Genitive},
    {"vyjma", TGramCase::Genitive},
    {"naproti", TGramCase::Dative},
    {"skrz", TGramCase::Accusative},
    {"do", TGramCase::Genitive},
    {"kolem", TGramCase::Genitive},
    {"kromě"_cp, TGramCase::Genitive},
    {"místo"_cp, TGramCase::Genitive},
    {"od", TGramCase::Genitive},
    {"ode", TGramCase::Genitive},
    {"okolo", TGramCase::Genitive},
    {"podle", TGramCase::Genitive},
    {"pomocí"_cp, TGramCase::Genitive},
    {"u", TGramCase::Genitive},
    {"vedle", TGramCase::Genitive},
    {"z", TGramCase::Genitive},
    {"ze", TGramCase::Genitive},
    {"k", TGramCase::Dative},
    {"ke", TGramCase::Dative},
    {"díky"_cp, TGramCase::Dative},
    {"kvůli"_cp, TGramCase::Dative},
    {"proti", TGramCase::Dative},
    {"oproti", TGramCase::Dative},
    {"vůči"_cp, TGramCase::Dative},
    {"na", TGramCase::Accusative},
    {"o", TGramCase::Accusative},
    {"za", TGramCase::Accusative},
    {"přes"_cp, TGramCase::Accusative},
    {"pro", TGramCase::Accusative},
    {"mimo", TGramCase::Accusative},
    {"po", TGramCase::Locative},
    {"při"_cp, TGramCase::Locative},
    {"v", TGramCase::Locative},
    {"ve", TGramCase::Locative},
    {"s", TGramCase::Instrumental},
    {"nad", TGramCase::Instrumental},
    {"pod", TGramCase::Instrumental},
    {"před"_cp, TGramCase::Instrumental},
    {"mezi", TGramCase::Instrumental},
};

// The one-letter prepositions that take an "e" before "dv", "tř", "čt" and before the letters
// given ("se sedmi", "ve výši", "ke kolu").
struct TVocalisation {
    char preposition;
    std::string_view before;
};
constexpr TVocalisation kVocalisations[] = {
    {'s', "sšzž"_cp},
    {'z', "sšzž"_cp},
    {'v', "vf"},
    {'k', "kg"},
};

}  // namespace

std::optional<TGramCase> PrepositionCase(std::string_view word) {
    if (word.size() > 8) {
        return std::nullopt;
    }
    const std::string lower = LowerCase(word);
    for (const TPreposition& p : kPrepositions) {
        if (p.word == lower) {
            return p.gramCase;
        }
    }
    return std::nullopt;
}

std::string_view VocalisedPreposition(std::string_view preposition, std::string_view next) {
    if (preposition.size() != 1 || next.size() < 2) {
        return preposition;
    }
    const char p = LowerChar(preposition[0]);
    const char first = LowerChar(next[0]);
    for (const TVocalisation& v : kVocalisations) {
        if (v.preposition != p) {
            continue;
        }
        const std::string_view start = next.substr(0, 2);
        const bool cluster = start == "dv" || start == "tř"_cp || start == "čt"_cp ||
                             start == "Dv" || start == "Tř"_cp || start == "Čt"_cp;
        if (cluster || v.before.find(first) != std::string_view::npos) {
            static constexpr std::array<std::string_view, 8> kForms = {"se", "Se", "ze", "Ze",
                                                                       "ve", "Ve", "ke", "Ke"};
            const std::size_t row = static_cast<std::size_t>(&v - kVocalisations);
            return kForms[row * 2 + (preposition[0] != p ? 1 : 0)];
        }
    }
    return preposition;
}

}  // namespace vokadlo
