// Cardinals and ordinals with what follows them: "10 000", "-5", "3,5 kg", "12,50 Kč", "199,-",
// "1/2", "5–10 km", "20 °C", "3. den", "na 2. místě", "do 5 kg", "s 2 dětmi".
#include <algorithm>
#include <vector>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/Counted.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/NumberShapes.h"
#include "reading/Ordinal.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"
#include "reading/Quantity.h"

namespace vokadlo {

namespace {

constexpr char kEnDash = '\x96';

bool IsRangeDash(const TTokenList& list, std::size_t i) {
    return list.IsChar(i, '-') || list.IsChar(i, kEnDash);
}

// True for a word that ends like a past verb ("byl", "žila", "vzniklo", "přišli").
bool LooksLikePastVerb(std::string_view word) {
    return word.ends_with("l") || word.ends_with("la") || word.ends_with("lo") ||
           word.ends_with("li") || word.ends_with("ly");
}

// "2 platí", "1 stojí": a present verb in "-í" after a number, no counted noun (those in "-ní",
// "-ží", "-ěstí" are nouns the dictionary may lack: "2 nádraží").
bool LooksLikePresentVerb(std::string_view word) {
    return word.ends_with("í"_cp) && !word.ends_with("ní"_cp) && !word.ends_with("ží"_cp) &&
           !word.ends_with("ěstí"_cp) && !FindNoun(word, std::nullopt);
}

// "007", "05" standing alone: digit by digit, so that the zeros are said ("nula nula sedm").
// Glued to other numbers (a date, time, version, "0800 123 456") it stays as written.
bool ReadLeadingZeros(TTokenList& list, std::size_t i) {
    static constexpr std::string_view kDigits[] = {"nula",     "jedna",   "dva",     "tři"_cp,
                                                   "čtyři"_cp, "pět"_cp,  "šest"_cp, "sedm",
                                                   "osm",      "devět"_cp};
    const auto glue = [&](std::size_t at) {
        return list.Is(at, TTokenKind::Number) || list.Is(at, TTokenKind::Word) ||
               list.IsChar(at, ':') || list.IsChar(at, '/') || list.IsChar(at, '-') ||
               ((list.IsChar(at, '.') || list.IsChar(at, ',')) &&
                list.Is(at + 1, TTokenKind::Number));
    };
    const std::string& digits = list[i].text;
    if (digits.size() > 6 || (i > 0 && glue(i - 1)) || (i > 0 && list.IsChar(i - 1, '.')) ||
        (i > 0 && list.IsChar(i - 1, ',')) || glue(i + 1) ||
        (list.IsInlineSpace(i + 1) && list.Is(i + 2, TTokenKind::Number)) ||
        (i >= 2 && list.IsInlineSpace(i - 1) && list.Is(i - 2, TTokenKind::Number))) {
        return false;
    }
    std::string reading;
    for (const char d : digits) {
        AppendWord(reading, kDigits[d - '0']);
    }
    list.Replace(i, i + 1, std::move(reading));
    return true;
}

// True after a word that names a ratio: "měřítko", "v měřítku", "poměr", "v poměru".
bool AfterRatioWord(const TTokenList& list, std::size_t first) {
    if (first < 2 || !list.IsInlineSpace(first - 1) || !list.Is(first - 2, TTokenKind::Word)) {
        return false;
    }
    const std::string word = LowerCase(list[first - 2].text);
    return word.starts_with("měřítk"_cp) || word.starts_with("poměr"_cp);
}

// True after a book of the Bible as cited ("Jan 3,16", "Mt 5,9", "Ž 23,1", "1 K 13,4"); only
// the abbreviations that are no common word.
bool AfterBookName(const TTokenList& list, std::size_t first) {
    static constexpr std::string_view kBooks[] = {
        "Gn",   "Ex", "Lv", "Dt", "Joz", "Sd",    "Rt", "Jb", "Ž"_cp, "Př"_cp,
        "Kaz",  "Iz", "Jr", "Ez", "Oz",  "Mt",    "Mk", "Lk", "Jan",  "Sk",
        "Ř"_cp, "K",  "Ga", "Ef", "Fp",  "Žd"_cp, "Jk", "Zj"};
    if (first < 2 || !list.IsInlineSpace(first - 1) || !list.Is(first - 2, TTokenKind::Word)) {
        return false;
    }
    return std::find(std::begin(kBooks), std::end(kBooks), list[first - 2].text) !=
           std::end(kBooks);
}

// "mezi 10 a 20 kg": a number joined by "a", "až", "nebo" to a number read after a preposition
// takes the case of that preposition.
std::optional<TGramCase> CoordinatedCase(const TTokenList& list, std::size_t first) {
    static constexpr std::string_view kLinks[] = {"a", "nebo", "či"_cp, "až"_cp};
    if (first < 4 || !list.IsInlineSpace(first - 1) || !list.Is(first - 2, TTokenKind::Word) ||
        !list.IsInlineSpace(first - 3) ||
        std::find(std::begin(kLinks), std::end(kLinks), list[first - 2].text) == std::end(kLinks)) {
        return std::nullopt;
    }
    std::size_t j = first - 4;
    while (j > 0 && list[j].kind == TTokenKind::Removed) {
        --j;
    }
    if (!list.Is(j, TTokenKind::Read) || !IsDigit(list.Utf8(list[j]).front())) {
        return std::nullopt;
    }
    const auto prep = PrepositionBefore(list, j);
    return prep ? std::optional<TGramCase>(prep->gramCase) : std::nullopt;
}

// Reads the number at token i with what belongs to it; returns false to leave it as written.
bool ReadNumberAt(TTokenList& list, std::size_t i) {
    TWrittenNumber number;
    std::size_t first = i;
    const TCurrencyName* currencyBefore = nullptr;
    if (i > 0 && IsOpen(list, i - 1) && StartsFree(list, i - 1) &&
        (list.IsChar(i - 1, '-') || list.IsChar(i - 1, '+') || list.IsChar(i - 1, kEnDash) ||
         (list.Is(i - 1, TTokenKind::Foreign) && list.Utf8(list[i - 1]) == "\u2212"))) {
        number.negative = !list.IsChar(i - 1, '+');
        number.positive = !number.negative;
        first = i - 1;
    } else if (i > 0 && CurrencySymbol(list, i - 1) && StartsFree(list, i - 1)) {
        currencyBefore = CurrencySymbol(list, i - 1);  // "$5", "€5"
        first = i - 1;
    } else if (!StartsFree(list, i)) {
        return false;
    }
    const auto value = NumberValue(list, i);
    if (value && list[i].text.size() > 1 && list[i].text[0] == '0') {
        return first == i && ReadLeadingZeros(list, i);
    }
    if (!value) {
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
        if (list.IsInlineSpace(end) && list[end].text == " " &&
            list.Is(end + 1, TTokenKind::Number) && list[end + 1].text.size() == 3 && grouped) {
            return false;  // more groups than a number read aloud has
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
        if (!grouped && AfterBookName(list, first) &&
            !MatchCounted(list, SkipInlineSpace(list, end + 2), true)) {
            // "Jan 3,16", "Mt 5,9": a chapter and a verse
            std::string reading = CardinalWords(number.integer);
            reading += ',';
            AppendWord(reading, CardinalWords(*NumberValue(list, end + 1)));
            list.Replace(first, end + 2, std::move(reading));
            return true;
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
        if (!grouped && d && list[end + 1].text.size() == 4 && *d >= 1900 && *d <= 2100 &&
            !list.IsChar(end + 2, '/') && !list.Is(end + 2, TTokenKind::Word)) {
            // "č. 262/2006": a number of a year, "lomeno" between
            std::string reading = CardinalWords(number.integer);
            AppendWord(reading, "lomeno");
            AppendWord(reading, CardinalWords(*d));
            list.Replace(first, end + 2, std::move(reading));
            return true;
        }
        if (!grouped && number.integer == 24 && d == 7u && !number.negative &&
            !list.IsChar(end + 2, '/') && !list.Is(end + 2, TTokenKind::Word)) {
            // "24/7": round the clock, said as the two numbers.
            list.Replace(first, end + 2, std::string("dvacet čtyři sedm"_cp));
            return true;
        }
        if (grouped || !d || number.integer == 0 || *d <= number.integer || *d > 100 ||
            list.IsChar(end + 2, '/')) {
            return false;
        }
        number.denominator = static_cast<unsigned>(*d);
        end += 2;
    } else if (list.IsChar(end, ':') && list.Is(end + 1, TTokenKind::Number) && !grouped &&
               AfterRatioWord(list, first) && list[end + 1].text[0] != '0' &&
               !list.IsChar(end + 2, ':') && !list.Is(end + 2, TTokenKind::Word) &&
               !(list.IsInlineSpace(end + 2) && list.Is(end + 3, TTokenKind::Number) &&
                 list[end + 3].text.size() == 3)) {
        // "v měřítku 1:1000", "poměr 3:2": "jedna ku tisíci".
        std::string reading = CardinalWords(number.integer);
        AppendWord(reading, "ku");
        AppendWord(reading, CardinalWords(*NumberValue(list, end + 1),
                                          {TGender::Feminine, TGramCase::Dative, true}));
        list.Replace(first, end + 2, std::move(reading));
        return true;
    } else if (list.IsChar(end, ':') && list.Is(end + 1, TTokenKind::Number) && !grouped &&
               list[i].text.size() <= 3 && list[end + 1].text.size() <= 3 &&
               (list[end + 1].text == "0" || list[end + 1].text[0] != '0') &&
               !list.IsChar(end + 2, ':') && !list.Is(end + 2, TTokenKind::Word) &&
               !(list.IsInlineSpace(end + 2) && list.Is(end + 3, TTokenKind::Number) &&
                 list[end + 3].text.size() == 3)) {
        // A score the time pass left ("3:2", "6:4"): both numbers, as sport is read.
        std::string reading = CardinalWords(number.integer);
        AppendWord(reading, CardinalWords(*NumberValue(list, end + 1)));
        list.Replace(first, end + 2, std::move(reading));
        return true;
    } else if ((list.IsChar(end, ':') || list.IsChar(end, '.') || list.IsChar(end, ',')) &&
               list.Is(end + 1, TTokenKind::Number)) {
        return false;  // versions and lists the other passes did not read
    } else if (IsRangeDash(list, end) && list.Is(end + 1, TTokenKind::Number) && !grouped) {
        rangeEnd = NumberValue(list, end + 1);
        if (!rangeEnd || list[end + 1].text.size() > 4 || list.IsChar(end + 2, '-')) {
            return false;
        }
        end += 2;
    } else if (list.IsInlineSpace(end) && list.IsChar(end + 1, kEnDash) &&
               list.IsInlineSpace(end + 2) && list.Is(end + 3, TTokenKind::Number) && !grouped &&
               list[end + 3].text.size() <= 4 && list[end + 3].text[0] != '0' &&
               (!list.IsChar(end + 4, '.') || PeriodEndsSentence(list, end + 4)) &&
               !list.IsChar(end + 4, ':') && !list.IsChar(end + 4, ',')) {
        rangeEnd = NumberValue(list, end + 3);  // "5 – 10 km"
        end += 4;
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
    } else if (list.IsChar(end, '\xD7') && !list.Is(end + 1, TTokenKind::Number) &&
               number.decimals.empty() && !grouped && !rangeEnd && !number.negative) {
        list.Replace(first, end + 1, TimesWords(number.integer));  // "2× denně" dvakrát
        return true;
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
    } else if (!match && list.IsInlineSpace(end) && list.Is(end + 1, TTokenKind::Word) &&
               list[end + 1].text == "x" && list.IsInlineSpace(end + 2) &&
               list.Is(end + 3, TTokenKind::Word) && !IsCapitalised(list[end + 3].text) &&
               number.decimals.empty() && !grouped && !rangeEnd && !number.negative) {
        list.Replace(first, end + 2, TimesWords(number.integer));  // "2 x denně" dvakrát
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
    const bool plain = !countsSomething && !grouped && !rangeEnd && number.decimals.empty() &&
                       !number.price && number.denominator == 0 && !number.negative;
    if (plain && list.IsChar(end, '.') &&
        ReadCoordinatedOrdinal(list, first, end, number.integer)) {
        return true;
    }
    if (plain && list.IsChar(end, '.') && !PeriodEndsSentence(list, end)) {
        if (list.IsInlineSpace(end + 1) && list.Is(end + 2, TTokenKind::Word) &&
            !IsCapitalised(list[end + 2].text) &&
            (!IsVerbOrShortWord(list[end + 2].text) || IsAbbreviatedNoun(list[end + 2].text))) {
            return ReadOrdinal(list, first, end, number.integer, false);
        }
        // "dojel 3. s odstupem", "skončila 2. za Norkou": a place after a verb of finishing,
        // before a preposition, agrees with the verb's subject.
        if (first >= 2 && list.IsInlineSpace(first - 1) && list.Is(first - 2, TTokenKind::Word) &&
            list.IsInlineSpace(end + 1) && list.Is(end + 2, TTokenKind::Word) &&
            PrepositionCase(list[end + 2].text) && number.integer <= 100) {
            static constexpr std::string_view kPlaceVerbs[] = {
                "dojel",  "skončil"_cp,  "doběhl"_cp,  "dorazil",  "doplaval",
                "dojela", "skončila"_cp, "doběhla"_cp, "dorazila", "doplavala",
            };
            const std::string verb = LowerCase(list[first - 2].text);
            const bool feminine = verb.ends_with("la");
            if (std::find(std::begin(kPlaceVerbs), std::end(kPlaceVerbs), verb) !=
                std::end(kPlaceVerbs)) {
                std::string reading = OrdinalWords(static_cast<unsigned>(number.integer),
                                                   feminine ? TGender::Feminine : TGender::Animate,
                                                   TGramCase::Nominative);
                if (!reading.empty()) {
                    list.Replace(first, end + 1, std::move(reading));
                    return true;
                }
            }
        }
        return false;
    }

    const std::size_t nounAt = SkipInlineSpace(list, after);
    auto prep = PrepositionBefore(list, first);
    if (!prep && first >= 2 && list.IsInlineSpace(first - 1) &&
        list.Is(first - 2, TTokenKind::Word) &&
        (list[first - 2].text == "se" || list[first - 2].text == "Se") &&
        list.Is(nounAt, TTokenKind::Word) && list[nounAt].text.ends_with("mi")) {
        prep = TPrepositionBefore{first - 2, TGramCase::Instrumental};  // "se 2 dětmi"
    }
    TGramCase gramCase = prep ? CaseFor(list, *prep, counted, nounAt)
                              : CoordinatedCase(list, first).value_or(TGramCase::Nominative);
    TNumberForm bare{TGender::Inanimate, gramCase, true};
    // A year reads in the nominative ("od 1990"); after a preposition a count of a noun still
    // declines ("do 2000 lidí"), told from a year by the word after it not being a past verb.
    const bool countsNoun = prep && nounAt != after && list.Is(nounAt, TTokenKind::Word) &&
                            !IsCapitalised(list[nounAt].text) &&
                            !IsVerbOrShortWord(list[nounAt].text) &&
                            !LooksLikePastVerb(list[nounAt].text);
    const bool year = !countsSomething && !grouped && number.decimals.empty() &&
                      number.integer >= 1000 && number.integer < 2200 && !countsNoun;
    // "2 parkovací místa": the noun after the adjectives decides the gender, when its ending
    // can be a plural nominative ("2 balení těstovin" counts "balení").
    std::size_t countedAt = nounAt;
    for (int k = 0;
         k < 2 && list.Is(countedAt, TTokenKind::Word) && LooksLikeAdjective(list[countedAt].text);
         ++k) {
        const std::size_t next = SkipInlineSpace(list, countedAt + 1);
        if (next == countedAt + 1 || !list.Is(next, TTokenKind::Word) ||
            IsVerbOrShortWord(list[next].text) || LooksLikePresentVerb(list[next].text)) {
            break;
        }
        const std::string& w = list[next].text;
        static constexpr std::string_view kPluralEnds[] = {"a", "e",    "ě"_cp, "i",
                                                           "y", "í"_cp, "é"_cp};
        if (!FindNoun(w, std::nullopt) &&
            std::none_of(std::begin(kPluralEnds), std::end(kPluralEnds),
                         [&](std::string_view e) { return w.ends_with(e); })) {
            break;
        }
        countedAt = next;
    }
    if (year) {
        gramCase = TGramCase::Nominative;
    } else if (!countsSomething && number.denominator == 0 && after == end &&
               list.Is(countedAt, TTokenKind::Word) && nounAt != end &&
               !IsVerbOrShortWord(list[countedAt].text) &&
               !LooksLikePresentVerb(list[countedAt].text)) {
        // A count of a noun: its gender decides "jeden"/"jedna", "dva"/"dvě".
        const std::string& noun = list[countedAt].text;
        const bool fewForm = number.integer >= 2 && number.integer <= 4;
        const auto known = FindNoun(noun, gramCase);
        bare.gender = known ? known->gender : GuessGender(noun, fewForm);
        bare.counting = false;
        if (known && !known->plural && !prep && number.integer == 1) {
            // "1 kočku": the number agrees with the noun's case; of a form several cases
            // share, the object's ("1 lžíci").
            const unsigned accusative = 1u << static_cast<unsigned>(TGramCase::Accusative);
            gramCase = known->gramCase != TGramCase::Nominative && (known->cases & accusative)
                           ? TGramCase::Accusative
                           : known->gramCase;
        } else if (!known && !prep && number.integer == 1 && noun.size() > 2 &&
                   noun.ends_with("u")) {
            bare.gender = TGender::Feminine;  // "1 knížku": a feminine accusative
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
            fromForm.gender = UnitGender(*counted.unit);
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
        } else if ((list.IsChar(i, '\xD7') ||
                    (list.Is(i, TTokenKind::Word) && list[i].text == "x")) &&
                   i >= 2 && list.IsInlineSpace(i - 1) && list.IsInlineSpace(i + 1) &&
                   list.Is(i + 2, TTokenKind::Number) &&
                   (list.Is(i - 2, TTokenKind::Read) || list.Is(i - 2, TTokenKind::Number))) {
            list.Replace(i, i + 1, std::string("krát"_cp));  // "3 × 4 m"
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
