// Cardinals and ordinals with what follows them: "10 000", "-5", "3,5 kg", "12,50 Kč", "199,-",
// "1/2", "5–10 km", "20 °C", "3. den", "na 2. místě", "do 5 kg", "s 2 dětmi".
#include <algorithm>
#include <vector>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/Ordinal.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"
#include "reading/Quantity.h"

namespace vokadlo {

namespace {

constexpr char kEnDash = '\x96';

// A currency symbol written before its number ("$5", "€ 5", "£5"): a Punctuation or Foreign
// token.
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

struct TCountedMatch {
    std::size_t end = 0;  // the token after what was matched
    TCounted counted;
    bool keepPeriod = false;  // the abbreviation's period also ends the sentence
};

// The longest unit, currency or counted word written from token k on (at most four tokens, no
// space inside, ending at a word boundary).
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

// Words an ordinal does not stand before: the forms of "být" and the words of one or two
// letters ("Bylo jich 12. a pak", "Den 32. není").
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

// "jednou", "dvakrát", "třikrát", "pětkrát".
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

// "za kilogram", "za kus", "za hodinu": one of the unit, in the accusative.
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

bool IsRangeDash(const TTokenList& list, std::size_t i) {
    return list.IsChar(i, '-') || list.IsChar(i, kEnDash);
}

// The case a preposition asks for, corrected by the noun after the number where it is plain:
// "v 5 hodin" (accusative), "na 5 místech" (locative).
bool countsSomething(const TCounted& c) {
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
        return in && !countsSomething(counted) ? TGramCase::Accusative : prep.gramCase;
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

// A telephone number in groups ("603 123 456", "+420 603 123 456", "tel. 2 2451 1111") or a
// postal code ("110 00 Praha"), read group by group with a pause between.
bool ReadPhone(TTokenList& list, std::size_t first, std::size_t i, bool plus) {
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

// "5letý", "5-letá", "20procentní": the number's genitive joined to the adjective
// ("pětiletý", "dvacetiprocentní").
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

// "1. a 2. pololetí", "3. až 5. třída": the first ordinal takes the form of the second.
bool ReadCoordinatedOrdinal(TTokenList& list, std::size_t first, std::size_t dot,
                            std::uint64_t value) {
    static constexpr std::string_view kLinks[] = {"a", "i", "nebo", "či"_cp, "až"_cp};
    const std::size_t link = dot + 2;
    if (!list.IsInlineSpace(dot + 1) || !list.Is(link, TTokenKind::Word) ||
        !list.IsInlineSpace(link + 1) || !list.Is(link + 2, TTokenKind::Number) ||
        !list.IsChar(link + 3, '.') || value == 0 || value > 1000) {
        return false;
    }
    if (std::find(std::begin(kLinks), std::end(kLinks), list[link].text) == std::end(kLinks)) {
        return false;
    }
    const auto second = NumberValue(list, link + 2);
    const auto form = OrdinalFormAt(list, first, link + 3, false);
    if (!second || *second == 0 || *second > 1000 || !form ||
        !list.Is(link + 5, TTokenKind::Word) || IsCapitalised(list[link + 5].text) ||
        IsVerbOrShortWord(list[link + 5].text)) {
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
    list.Replace(link + 2, form->noun.empty() ? link + 4 : form->nounEnd, std::move(secondReading));
    list.Replace(first, dot + 1, std::move(reading));
    return true;
}

// Reads the number at token i with what belongs to it; returns false to leave it as written.
bool ReadNumberAt(TTokenList& list, std::size_t i) {
    TWrittenNumber number;
    std::size_t first = i;
    const TCurrencyName* currencyBefore = nullptr;
    if (i > 0 && IsOpen(list, i - 1) && StartsFree(list, i - 1) &&
        (list.IsChar(i - 1, '-') || list.IsChar(i - 1, '+') ||
         (list.Is(i - 1, TTokenKind::Foreign) && list.Utf8(list[i - 1]) == "\u2212"))) {
        number.negative = !list.IsChar(i - 1, '+');
        number.positive = !number.negative;
        first = i - 1;
    } else if (const TCurrencyName* c = CurrencySymbol(list, i - (i > 0 ? 1 : 0));
               i > 0 && c && StartsFree(list, i - 1)) {
        currencyBefore = c;
        first = i - 1;
    } else if (!StartsFree(list, i)) {
        return false;
    }
    const auto value = NumberValue(list, i);
    if (!value || (list[i].text.size() > 1 && list[i].text[0] == '0')) {
        return false;
    }
    number.integer = *value;
    if (!currencyBefore && !number.negative && ReadPhone(list, first, i, number.positive)) {
        return true;
    }
    if (!number.negative && !number.positive && !currencyBefore) {
        // "5letý", "5-letý"
        if (list.Is(i + 1, TTokenKind::Word) && ReadCompound(list, i, i + 1)) {
            return true;
        }
        if (list.IsChar(i + 1, '-') && list.Is(i + 2, TTokenKind::Word) &&
            ReadCompound(list, i, i + 2)) {
            return true;
        }
    }
    std::size_t end = i + 1;
    bool grouped = false;
    if (list[i].text.size() <= 3) {
        // "10 000", "1 250 000" (one space or no-break space between groups of three)
        while (list.IsInlineSpace(end) && list[end].text == " " &&
               list.Is(end + 1, TTokenKind::Number) && list[end + 1].text.size() == 3 &&
               number.integer <= kMaxCardinal / 1000) {
            number.integer = number.integer * 1000 + *NumberValue(list, end + 1);
            end += 2;
            grouped = true;
        }
        // "1.000.000": two groups at least, nothing dotted after
        std::size_t j = end;
        std::uint64_t dotted = number.integer;
        int groups = 0;
        while (!grouped && list.IsChar(j, '.') && list.Is(j + 1, TTokenKind::Number) &&
               list[j + 1].text.size() == 3 && dotted <= kMaxCardinal / 1000) {
            dotted = dotted * 1000 + *NumberValue(list, j + 1);
            j += 2;
            ++groups;
        }
        const auto counted = MatchCounted(list, SkipInlineSpace(list, j), false);
        const bool money = groups == 1 && ((counted && counted->counted.currency) ||
                                           (list.IsChar(j, ',') && IsRangeDash(list, j + 1)));
        if ((groups >= 2 || money) &&
            !(list.IsChar(j, '.') && list.Is(j + 1, TTokenKind::Number))) {
            number.integer = dotted;
            end = j;
            grouped = true;
        }
    }
    std::optional<std::uint64_t> rangeEnd;
    if (list.IsChar(end, ',') && list.Is(end + 1, TTokenKind::Number)) {
        if (list.IsChar(end + 2, ',') && list.Is(end + 3, TTokenKind::Number)) {
            return false;  // "1,2,3"
        }
        number.decimals = list[end + 1].text;
        end += 2;
    } else if (list.IsChar(end, ',') && IsRangeDash(list, end + 1)) {
        number.price = true;  // "199,-"
        end += 2;
        if (IsRangeDash(list, end)) {
            ++end;
        }
    } else if (list.IsChar(end, '/') && list.Is(end + 1, TTokenKind::Number)) {
        const auto d = NumberValue(list, end + 1);
        if (grouped || !d || *d <= number.integer || *d > 100 || list.IsChar(end + 2, '/')) {
            return false;
        }
        number.denominator = static_cast<unsigned>(*d);
        end += 2;
    } else if ((list.IsChar(end, ':') || list.IsChar(end, '.') || list.IsChar(end, ',')) &&
               list.Is(end + 1, TTokenKind::Number)) {
        return false;  // times, versions and lists the other passes did not read
    } else if (IsRangeDash(list, end) && list.Is(end + 1, TTokenKind::Number) && !grouped) {
        rangeEnd = NumberValue(list, end + 1);
        if (!rangeEnd || list[end + 1].text.size() > 4 || list.IsChar(end + 2, '-')) {
            return false;
        }
        end += 2;
    }

    // What it counts, glued or after one space.
    TCounted counted;
    std::size_t after = end;
    bool keepPeriod = false;
    const bool glued = list.Is(end, TTokenKind::Word) || list.Is(end, TTokenKind::Punctuation) ||
                       list.Is(end, TTokenKind::Foreign);
    std::optional<TCountedMatch> match = MatchCounted(list, SkipInlineSpace(list, end), true);
    if (match) {
        counted = match->counted;
        after = match->end;
        keepPeriod = match->keepPeriod;
        if (counted.word && counted.word->scale) {
            if (auto scaled = MatchCounted(list, SkipInlineSpace(list, after), false);
                scaled && (scaled->counted.currency || scaled->counted.unit)) {
                counted.scaledCurrency = scaled->counted.currency;
                counted.scaledUnit = scaled->counted.unit;
                after = scaled->end;
                keepPeriod = scaled->keepPeriod;
            }
        }
    } else if (glued && list.Is(end, TTokenKind::Word)) {
        // "3x denně" třikrát; anything else glued ("3D", "5G") stays.
        const bool times = (list[end].text == "x" || list[end].text == "krát"_cp) &&
                           !list.Is(end + 1, TTokenKind::Number) && number.decimals.empty() &&
                           !grouped && !rangeEnd && !number.negative;
        if (!times || !StartsFree(list, first)) {
            return false;
        }
        list.Replace(first, end + 1, TimesWords(number.integer));
        return true;
    }
    if (currencyBefore && !counted.currency && !counted.unit) {
        counted = {};
        counted.currency = currencyBefore;
        after = end;
    }
    if (number.price && !counted.currency) {
        counted.currency = FindCurrency("CZK");
    }
    const bool countsSomething = counted.unit || counted.currency || counted.word;
    // "150 Kč/kg", "25 Kč/ks", "500 Kč/měsíc": "za" and the unit it is counted by.
    std::string per;
    if (countsSomething && list.IsChar(after, '/') && list.Is(after + 1, TTokenKind::Word)) {
        if (const auto by = MatchCounted(list, after + 1, false);
            by && (by->counted.unit || by->counted.word)) {
            per = PerUnit(by->counted);
            after = by->end;
            keepPeriod = by->keepPeriod;
        } else if (!list.Is(after + 2, TTokenKind::Number) &&
                   !IsCapitalised(list[after + 1].text)) {
            per = "za " + list[after + 1].text;
            after += 2;
        }
    }

    // An ordinal: "3. den"; a period that ends the sentence stays.
    if (!countsSomething && !grouped && !rangeEnd && number.decimals.empty() && !number.price &&
        number.denominator == 0 && !number.negative && list.IsChar(end, '.') &&
        !PeriodEndsSentence(list, end)) {
        if (list.IsInlineSpace(end + 1) && list.Is(end + 2, TTokenKind::Word) &&
            !IsCapitalised(list[end + 2].text) && !IsVerbOrShortWord(list[end + 2].text)) {
            return ReadOrdinal(list, first, end, number.integer, false);
        }
        return ReadCoordinatedOrdinal(list, first, end, number.integer);
    }

    const auto prep = PrepositionBefore(list, first);
    const std::size_t nounAt = SkipInlineSpace(list, after);
    TGramCase gramCase = prep ? CaseFor(list, *prep, counted, nounAt) : TGramCase::Nominative;
    TNumberForm bare{TGender::Inanimate, gramCase, true};
    const bool year = !countsSomething && !grouped && number.decimals.empty() &&
                      number.integer >= 1000 && number.integer < 2200;
    if (year) {
        gramCase = TGramCase::Nominative;
    } else if (!countsSomething && after == end && list.Is(nounAt, TTokenKind::Word) &&
               nounAt != end) {
        // A count of a noun: its gender decides "jeden"/"jedna", "dva"/"dvě".
        const std::string& noun = list[nounAt].text;
        const bool fewForm = number.integer >= 2 && number.integer <= 4;
        const auto known = FindNoun(noun, gramCase);
        bare.gender = known ? known->gender : GuessGender(noun, fewForm);
        bare.counting = false;
        if (!known && !prep && number.integer == 1 && noun.size() > 2 && noun.ends_with("u")) {
            bare.gender = TGender::Feminine;  // "1 kočku": a feminine accusative
            gramCase = TGramCase::Accusative;
        }
    }
    std::string reading = ReadQuantity(number, counted, gramCase, bare);
    if (reading.empty()) {
        return false;
    }
    if (rangeEnd) {
        TWrittenNumber from;
        from.integer = number.integer;
        from.negative = number.negative;
        TNumberForm fromForm = bare;
        fromForm.counting = !countsSomething && bare.counting;
        if (counted.unit) {
            fromForm.gender = counted.unit->gender;
            fromForm.counting = false;
        } else if (counted.currency) {
            fromForm.gender = counted.currency->gender;
            fromForm.counting = false;
        }
        TWrittenNumber to;
        to.integer = *rangeEnd;
        std::string words = ReadQuantity(from, {}, gramCase, fromForm);
        AppendWord(words, "až"_cp);
        AppendWord(words, ReadQuantity(to, counted, gramCase, bare));
        reading = std::move(words);
    }
    if (prep) {
        VocalisePreposition(list, prep->index, reading);
    }
    AppendWord(reading, per);
    if (keepPeriod) {
        reading += '.';
    }
    list.Replace(first, after, std::move(reading));
    return true;
}

}  // namespace

void ReadNumbers(TTokenList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].kind == TTokenKind::Number) {
            ReadNumberAt(list, i);
        } else if (list[i].kind == TTokenKind::Word && list.IsChar(i + 1, '.') &&
                   StartsFree(list, i) && list.IsInlineSpace(i + 2) &&
                   list.Is(i + 3, TTokenKind::Word) && !IsCapitalised(list[i + 3].text)) {
            // A Roman numeral before a noun of the dictionary: "XXI. století", "II. světová".
            if (const unsigned value = RomanValue(list[i].text); value > 0) {
                ReadOrdinal(list, i, i + 1, value, true);
            }
        }
    }
}

}  // namespace vokadlo
