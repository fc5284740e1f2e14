// Numbers of particular shapes read whole.
#include "reading/NumberShapes.h"

#include <algorithm>
#include <vector>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/Counted.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/Ordinal.h"
#include "reading/PassTools.h"

namespace vokadlo {

namespace {

// True when a telephone word stands just before token i ("tel. ", "Tel.: ", "mobil ").
bool AfterPhoneWord(const TTokenList& list, std::size_t i) {
    static constexpr std::string_view kWords[] = {"tel", "telefon", "mobil", "mob", "fax"};
    for (std::size_t back = 1; back <= 4 && back <= i; ++back) {
        const TToken& t = list[i - back];
        if (t.kind == TTokenKind::Word) {
            const std::string lower = LowerCase(t.text);
            for (std::string_view w : kWords) {
                if (w == lower) {
                    return true;
                }
            }
            return false;
        }
        if (!(t.kind == TTokenKind::Space || t.IsChar('.') || t.IsChar(':'))) {
            return false;
        }
    }
    return false;
}

// True when a word about calling stands just before token i ("volejte", "zavolali", "linku"),
// or, when the number stands `alone`, "na" or "číslo".
bool AfterCallWord(const TTokenList& list, std::size_t i, bool alone) {
    for (std::size_t back = 1; back <= 3 && back <= i; ++back) {
        const TToken& t = list[i - back];
        if (t.kind == TTokenKind::Word) {
            const std::string lower = LowerCase(t.text);
            return lower.starts_with("vol") || lower.starts_with("zavol") ||
                   lower.starts_with("link") || lower.starts_with("tísňov"_cp) ||
                   (alone && (lower == "na" || lower == "číslo"_cp || lower == "čísle"_cp));
        }
        if (!(t.kind == TTokenKind::Space || t.IsChar(':'))) {
            return false;
        }
    }
    return false;
}

}  // namespace

bool IsVerbOrShortWord(std::string_view word) {
    static constexpr std::string_view kVerbs[] = {
        "je", "není"_cp, "byl", "byla", "bylo", "byli", "byly", "jsou", "nebyl", "bude", "budou",
    };
    if (word.size() <= 2) {
        return true;
    }
    for (std::string_view v : kVerbs) {
        if (v == word) {
            return true;
        }
    }
    return false;
}

std::string TimesWords(std::uint64_t n) {
    static constexpr std::string_view kSmall[] = {"nula", "jednou", "dvakrát"_cp, "třikrát"_cp,
                                                  "čtyřikrát"_cp};
    if (n < 5) {
        return std::string(kSmall[n]);
    }
    std::string words = CardinalWords(n);
    words += "krát"_cp;
    return words;
}

bool ReadPhone(TTokenList& list, std::size_t first, std::size_t i, bool plus) {
    // "Volejte 112": the emergency line is said digit by digit.
    const std::size_t after = SkipInlineSpace(list, i + 1);
    const bool alone = !list.Is(after, TTokenKind::Word) && !list.Is(after, TTokenKind::Number);
    if (!plus && list[i].text == "112" && AfterCallWord(list, first, alone)) {
        list.Replace(first, i + 1, "jedna jedna dva");
        return true;
    }
    std::vector<std::size_t> groups = {i};
    std::size_t end = i + 1;
    while (list.IsInlineSpace(end) && list[end].text == " " &&
           list.Is(end + 1, TTokenKind::Number) && list[end + 1].text.size() <= 4) {
        groups.push_back(end + 1);
        end += 2;
    }
    const bool threeByThree = groups.size() == 3 && list[i].text.size() == 3 &&
                              list[groups[1]].text.size() == 3 &&
                              list[groups[2]].text.size() == 3 && list[groups[2]].text != "000" &&
                              list[groups[1]].text != "000";
    // "110 00 Praha 1": a postal code before the place.
    const std::size_t place = SkipInlineSpace(list, end);
    const bool postal = groups.size() == 2 && list[i].text.size() == 3 &&
                        list[groups[1]].text.size() == 2 && place != end &&
                        list.Is(place, TTokenKind::Word) && IsCapitalised(list[place].text);
    const bool phone = postal || (plus && groups.size() >= 2) ||
                       (AfterPhoneWord(list, first) && groups.size() >= 2) || threeByThree;
    if (!phone || list.Is(end, TTokenKind::Word) || list.Is(end, TTokenKind::Number) ||
        MatchCounted(list, SkipInlineSpace(list, end), true)) {
        return false;
    }
    std::string reading = plus ? "plus" : "";
    for (std::size_t g : groups) {
        if (!reading.empty()) {
            reading += g == i ? " " : ", ";
        }
        std::string_view digits = list[g].text;
        std::string words;
        while (digits.size() > 1 && digits[0] == '0') {
            AppendWord(words, "nula");
            digits.remove_prefix(1);
        }
        AppendWord(words,
                   CardinalWords(static_cast<std::uint64_t>(std::stoull(std::string(digits)))));
        reading += words;
    }
    list.Replace(first, end, std::move(reading));
    return true;
}

bool ReadCompound(TTokenList& list, std::size_t i, std::size_t word) {
    const std::string& w = list[word].text;
    const auto n = NumberValue(list, i);
    if (!n || *n == 0 || *n > 1000 || IsCapitalised(w) || !LooksLikeAdjective(w) ||
        list.Is(word + 1, TTokenKind::Number)) {
        return false;
    }
    std::string stem = *n == 1 ? std::string("jedno")
                       : *n == 100
                           ? std::string("sto")
                           : CardinalWords(*n, {TGender::Inanimate, TGramCase::Genitive, false});
    std::erase(stem, ' ');
    list.Replace(i, word + 1, stem + w);
    return true;
}

bool ReadCoordinatedOrdinal(TTokenList& list, std::size_t first, std::size_t dot,
                            std::uint64_t value) {
    static constexpr std::string_view kLinks[] = {"a", "i", "nebo", "či"_cp, "až"_cp};
    // The link: a word ("1. a 2.") or a dash ("1.–3.", "1. – 3."), read as "až".
    const std::size_t link = SkipInlineSpace(list, dot + 1);
    const bool dash = list.IsChar(link, '-') || list.IsChar(link, '\x96');
    const bool word =
        link != dot + 1 && list.Is(link, TTokenKind::Word) &&
        std::find(std::begin(kLinks), std::end(kLinks), list[link].text) != std::end(kLinks);
    const std::size_t next = SkipInlineSpace(list, link + 1);
    if ((!dash && !(word && next != link + 1)) || !list.Is(next, TTokenKind::Number) ||
        !list.IsChar(next + 1, '.') || value == 0 || value > 1000) {
        return false;
    }
    const auto second = NumberValue(list, next);
    const auto form = OrdinalFormAt(list, first, next + 1, false);
    if (!second || *second == 0 || *second > 1000 || !form ||
        !list.Is(next + 3, TTokenKind::Word) || IsCapitalised(list[next + 3].text) ||
        IsVerbOrShortWord(list[next + 3].text)) {
        return false;
    }
    // Both ordinals in the form the noun after the second asks for.
    std::string reading =
        OrdinalWords(static_cast<unsigned>(value), form->gender, form->gramCase, form->plural);
    if (const auto prep = PrepositionBefore(list, first)) {
        VocalisePreposition(list, prep->index, reading);
    }
    std::string secondReading =
        OrdinalWords(static_cast<unsigned>(*second), form->gender, form->gramCase, form->plural);
    if (!form->noun.empty()) {
        AppendWord(secondReading, form->noun);
    }
    list.Replace(next, form->noun.empty() ? next + 2 : form->nounEnd, std::move(secondReading));
    if (dash) {
        reading += " až "_cp;
        list.Replace(first, next, std::move(reading));
    } else {
        list.Replace(first, dot + 1, std::move(reading));
    }
    return true;
}

}  // namespace vokadlo
