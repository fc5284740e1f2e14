// Dates and times: "25. 12. 2026", "25.12.2026", "25. prosince 2026", "2026-12-08" with the
// ordinal day and the month in the genitive (or the case a preposition asks for), "10:30",
// "8:00", "7.15 h".
#include <algorithm>

#include "core/Cp1250Literal.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"

namespace vokadlo {

namespace {

// The case of a date after a preposition: "k 1. 1." dative, "před 1. 1." instrumental, "po 1.
// 1." locative; every other date reads in the genitive ("od 1. 1.", "na 1. 1.").
TGramCase DateCase(const std::optional<TPrepositionBefore>& prep) {
    if (!prep) {
        return TGramCase::Genitive;
    }
    switch (prep->gramCase) {
        case TGramCase::Dative:
        case TGramCase::Instrumental:
            return prep->gramCase;
        case TGramCase::Locative:
            return TGramCase::Locative;
        default:
            return TGramCase::Genitive;
    }
}

std::optional<unsigned> SmallNumber(const TTokenList& list, std::size_t i, std::size_t maxDigits,
                                    unsigned min, unsigned max) {
    const auto v = NumberValue(list, i);
    if (!v || list[i].text.size() > maxDigits || *v < min || *v > max) {
        return std::nullopt;
    }
    return static_cast<unsigned>(*v);
}

// The month of a numeric date: 1..12 in digits or in Roman numerals ("25. XII. 2026").
std::optional<unsigned> MonthNumber(const TTokenList& list, std::size_t m) {
    if (list.Is(m, TTokenKind::Word)) {
        const unsigned roman = RomanValue(list[m].text);
        return roman >= 1 && roman <= 12 ? std::optional<unsigned>(roman) : std::nullopt;
    }
    return SmallNumber(list, m, 2, 1, 12);
}

bool IsYear(const TTokenList& list, std::size_t i) {
    return list.Is(i, TTokenKind::Number) && list[i].text.size() == 4 &&
           !list.Is(i + 1, TTokenKind::Word) && !list.Is(i + 1, TTokenKind::Number) &&
           !(list.IsChar(i + 1, '.') && list.Is(i + 2, TTokenKind::Number));
}

std::string DateWords(unsigned day, int month, TGramCase gramCase,
                      std::optional<std::uint64_t> year, TGramCase monthCase) {
    std::string out = OrdinalWords(day, TGender::Inanimate, gramCase);
    AppendWord(out, MonthName(month, monthCase));
    if (year) {
        AppendWord(out, CardinalWords(*year));
    }
    return out;
}

// "od 10. do 12. června", "5.–7. 5.": the bare day before a date that starts at i, read as an
// ordinal in the same case.
void ReadDayBefore(TTokenList& list, std::size_t i, TGramCase gramCase) {
    std::size_t j = i;
    if (j > 0 && list.IsInlineSpace(j - 1)) {
        --j;
    }
    if (j == 0) {
        return;
    }
    const TToken& link = list[j - 1];
    const bool dash = link.IsChar('-') || link.IsChar('\x96');
    if (!dash && !(link.kind == TTokenKind::Word && (link.text == "do" || link.text == "až"_cp))) {
        return;
    }
    std::size_t k = j - 1;
    if (k > 0 && list.IsInlineSpace(k - 1)) {
        --k;
    }
    if (k < 2 || !list.IsChar(k - 1, '.') || !IsOpen(list, k - 2) || !StartsFree(list, k - 2)) {
        return;
    }
    const auto day = SmallNumber(list, k - 2, 2, 1, 31);
    if (!day) {
        return;
    }
    const auto prep = PrepositionBefore(list, k - 2);
    const TGramCase c = prep ? DateCase(prep) : gramCase;
    std::string reading = OrdinalWords(*day, TGender::Inanimate, c);
    if (dash) {
        reading += " až"_cp;  // the dash is read as "až"
        if (j == i) {
            reading += ' ';
        }
        list.Replace(k - 2, j, std::move(reading));
    } else {
        list.Replace(k - 2, k, std::move(reading));
    }
}

void Finish(TTokenList& list, std::size_t first, std::size_t end, std::string reading,
            const std::optional<TPrepositionBefore>& prep) {
    if (prep) {
        VocalisePreposition(list, prep->index, reading);
    }
    list.Replace(first, end, std::move(reading));
}

// "25. 12. 2026", "25.12.2026", "25. 12.", "25. prosince 2026" at token i.
bool ReadDayFirst(TTokenList& list, std::size_t i) {
    const auto day = SmallNumber(list, i, 2, 1, 31);
    if (!day || !list.IsChar(i + 1, '.')) {
        return false;
    }
    const auto prep = PrepositionBefore(list, i);
    std::size_t m = SkipInlineSpace(list, i + 2);
    if (const auto month = MonthNumber(list, m); month && list.IsChar(m + 1, '.')) {
        const bool spaced = m != i + 2;
        std::size_t end = m + 2;
        std::optional<std::uint64_t> year;
        const std::size_t y = spaced ? SkipInlineSpace(list, end) : end;
        if (IsYear(list, y) && (y != end || !spaced)) {
            year = NumberValue(list, y);
            end = y + 1;
        } else if (list.Is(end, TTokenKind::Number)) {
            return false;  // "1.2.3"
        }
        const TGramCase c = DateCase(prep);
        ReadDayBefore(list, i, c);
        std::string reading = DateWords(*day, static_cast<int>(*month), c, year, c);
        if (!year && PeriodEndsSentence(list, m + 1)) {
            reading += '.';
        }
        Finish(list, i, end, std::move(reading), prep);
        return true;
    }
    if (list.Is(m, TTokenKind::Word) && m != i + 2) {
        const TMonthForm month = FindMonth(list[m].text);
        if (month.month == 0) {
            return false;
        }
        // The day agrees with the month as written ("1. ledna", "k 1. lednu", "1. leden").
        std::size_t end = m + 1;
        std::optional<std::uint64_t> year;
        if (const std::size_t y = SkipInlineSpace(list, end); y != end && IsYear(list, y)) {
            year = NumberValue(list, y);
            end = y + 1;
        }
        const std::string_view written = list[m].text;
        TGramCase c = month.gramCase;
        if (c == TGramCase::Dative && prep && prep->gramCase == TGramCase::Locative) {
            c = TGramCase::Locative;  // "po 1. lednu"
        }
        ReadDayBefore(list, i, c);
        std::string reading = OrdinalWords(*day, TGender::Inanimate, c);
        AppendWord(reading, written);
        if (year) {
            AppendWord(reading, CardinalWords(*year));
        }
        Finish(list, i, end, std::move(reading), prep);
        return true;
    }
    return false;
}

// "2026-12-08".
bool ReadIsoDate(TTokenList& list, std::size_t i) {
    if (list[i].text.size() != 4 || !list.IsChar(i + 1, '-') || !list.IsChar(i + 3, '-')) {
        return false;
    }
    const auto month = SmallNumber(list, i + 2, 2, 1, 12);
    const auto day = SmallNumber(list, i + 4, 2, 1, 31);
    if (!month || !day || list[i + 2].text.size() != 2 || list[i + 4].text.size() != 2 ||
        list.Is(i + 5, TTokenKind::Word) || list.Is(i + 5, TTokenKind::Number) ||
        list.IsChar(i + 5, '-')) {
        return false;
    }
    const auto prep = PrepositionBefore(list, i);
    const TGramCase c = DateCase(prep);
    Finish(list, i, i + 5, DateWords(*day, static_cast<int>(*month), c, NumberValue(list, i), c),
           prep);
    return true;
}

// The prepositions before which "10.30" is a time.
bool IsTimePreposition(std::string_view word) {
    static constexpr std::string_view kWords[] = {"v",     "ve", "V",  "Ve",      "od",
                                                  "Od",    "do", "Do", "kolem",   "Kolem",
                                                  "okolo", "po", "Po", "před"_cp, "Před"_cp};
    for (std::string_view w : kWords) {
        if (w == word) {
            return true;
        }
    }
    return false;
}

// "Je 7.15.", "bylo 10.30,": a time told after the verb that tells the time, ending its clause
// ("je 7.50 Kč" is a price).
bool AfterTimeVerb(const TTokenList& list, std::size_t i, std::size_t end) {
    static constexpr std::string_view kVerbs[] = {"je", "Je", "bylo", "Bylo", "bude", "Bude"};
    return i >= 2 && list.IsInlineSpace(i - 1) && list.Is(i - 2, TTokenKind::Word) &&
           std::find(std::begin(kVerbs), std::end(kVerbs), list[i - 2].text) != std::end(kVerbs) &&
           (end >= list.size() || list.Is(end, TTokenKind::Punctuation));
}

// The hour or minutes of a time in the case: "deset", "od osmi", "nula pět".
std::string TimePart(unsigned value, TGramCase gramCase, bool minutes) {
    std::string out;
    if (minutes && value < 10) {
        AppendWord(out, "nula");
    }
    AppendWord(out, CardinalWords(value, {TGender::Feminine, gramCase, false}));
    return out;
}

// "10:30", "7:05", "8:00", "10:30:15", "7.15 h" at token i.
bool ReadTime(TTokenList& list, std::size_t i) {
    const auto hour = SmallNumber(list, i, 2, 0, 24);
    if (!hour) {
        return false;
    }
    const bool colon = list.IsChar(i + 1, ':');
    if (!colon && !list.IsChar(i + 1, '.')) {
        return false;
    }
    const auto minutes = SmallNumber(list, i + 2, 2, 0, 59);
    if (!minutes || list[i + 2].text.size() != 2) {
        return false;
    }
    std::size_t end = i + 3;
    std::optional<unsigned> seconds;
    if (colon && list.IsChar(end, ':')) {
        seconds = SmallNumber(list, end + 1, 2, 0, 59);
        if (!seconds || list[end + 1].text.size() != 2) {
            return false;
        }
        end += 2;
    }
    if (list.Is(end, TTokenKind::Number) || list.Is(end, TTokenKind::Word) ||
        (list.IsChar(end, '.') && list.Is(end + 1, TTokenKind::Number)) ||
        (list.IsChar(end, ':') && list.Is(end + 1, TTokenKind::Number)) ||
        (list.IsInlineSpace(end) && list.Is(end + 1, TTokenKind::Number) &&
         list[end + 1].text.size() == 3)) {
        return false;  // "1:50 000" is a ratio, its second number grouped
    }
    // "h" or "hod." after the time is its unit, said by the time itself.
    bool hourWord = false;
    bool keepPeriod = false;
    if (const std::size_t h = SkipInlineSpace(list, end);
        list.Is(h, TTokenKind::Word) && (list[h].text == "h" || list[h].text == "hod")) {
        const bool period = list[h].text == "hod";
        if (!period || list.IsChar(h + 1, '.')) {
            end = period ? h + 2 : h + 1;
            keepPeriod = period && PeriodEndsSentence(list, h + 1);
            hourWord = true;
        }
    }
    const auto prep = PrepositionBefore(list, i);
    if (!colon && !hourWord && !(prep && IsTimePreposition(list[prep->index].text)) &&
        !AfterTimeVerb(list, i, end)) {
        return false;  // "7.15" alone may be a date or a decimal; "v 7.15" is a time
    }
    TGramCase c = prep ? prep->gramCase : TGramCase::Nominative;
    if (c == TGramCase::Locative || c == TGramCase::Accusative) {
        c = TGramCase::Nominative;  // "v deset třicet", "na osm hodin"
    }
    std::string reading = TimePart(*hour, c, false);
    if (*minutes == 0 && !seconds) {
        const TPlural p = PluralOf(*hour);
        static constexpr std::string_view kHours[][6] = {
            {"hodina", "hodiny", "hodině"_cp, "hodinu", "hodině"_cp, "hodinou"},
            {"hodiny", "hodin", "hodinám"_cp, "hodiny", "hodinách"_cp, "hodinami"},
            {"hodin", "hodin", "hodinám"_cp, "hodin", "hodinách"_cp, "hodinami"},
        };
        const std::size_t row = p == TPlural::One ? 0 : p == TPlural::Few ? 1 : 2;
        AppendWord(reading, kHours[row][static_cast<std::size_t>(c)]);
    } else {
        AppendWord(reading, TimePart(*minutes, c, true));
        if (seconds) {
            AppendWord(reading, TimePart(*seconds, c, true));
        }
    }
    if (keepPeriod) {
        reading += '.';
    }
    Finish(list, i, end, std::move(reading), prep);
    // "8:00–17:00": the dash between two times is read as "až".
    const std::size_t dash = SkipInlineSpace(list, end);
    const std::size_t next = SkipInlineSpace(list, dash + 1);
    if ((list.IsChar(dash, '-') || list.IsChar(dash, '\x96')) &&
        list.Is(next, TTokenKind::Number) && ReadTime(list, next)) {
        list.Replace(end, next, std::string(" až "_cp));
    }
    return true;
}

}  // namespace

void ReadDatesAndTimes(TTokenList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].kind != TTokenKind::Number || !StartsFree(list, i)) {
            continue;
        }
        if (!ReadIsoDate(list, i) && !ReadDayFirst(list, i)) {
            ReadTime(list, i);
        }
    }
}

}  // namespace vokadlo
