// Abbreviations from the table, in the case a preposition before them asks for; a period that
// also ends the sentence stays.
#include <algorithm>
#include <vector>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/AbbreviationTable.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"

namespace vokadlo {

namespace {

// One part of a written abbreviation: a word and whether a period ends it.
struct TPart {
    std::string_view word;
    bool period;
};

std::vector<TPart> Parts(std::string_view written) {
    std::vector<TPart> parts;
    std::size_t pos = 0;
    while (pos < written.size()) {
        while (pos < written.size() && written[pos] == ' ') {
            ++pos;
        }
        std::size_t end = pos;
        while (end < written.size() && written[end] != ' ' && written[end] != '.') {
            ++end;
        }
        const bool period = end < written.size() && written[end] == '.';
        parts.push_back({written.substr(pos, end - pos), period});
        pos = end + (period ? 1 : 0);
    }
    return parts;
}

bool SameWord(std::string_view written, std::string_view text) {
    // A lower-case row also matches a capitalised word ("Např."); capitals must match as written.
    if (written.empty() || written.size() != text.size()) {
        return false;
    }
    if (LowerChar(written[0]) != written[0]) {
        return written == text;
    }
    return LowerChar(text[0]) == written[0] && text.substr(1) == written.substr(1);
}

// The token after the abbreviation `row` written from token i, or 0 when it is not there;
// `lastPeriod` is the index of its final period (0 when it has none).
std::size_t Match(const TTokenList& list, std::size_t i, const std::vector<TPart>& parts,
                  std::size_t& lastPeriod) {
    std::size_t t = i;
    lastPeriod = 0;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (p > 0) {
            const bool spaced = list.IsInlineSpace(t);
            if (spaced) {
                ++t;
            } else if (!parts[p - 1].period) {
                return 0;  // "spol. s r. o.": a word without a period needs its space
            }
        }
        const bool symbol = list.Is(t, TTokenKind::Punctuation) && list[t].text == parts[p].word;
        if (!symbol && (!list.Is(t, TTokenKind::Word) || !SameWord(parts[p].word, list[t].text))) {
            return 0;
        }
        ++t;
        if (parts[p].period) {
            if (!list.IsChar(t, '.')) {
                return 0;
            }
            lastPeriod = t;
            ++t;
        }
    }
    if (list.Is(t, TTokenKind::Word) || list.Is(t, TTokenKind::Number)) {
        return 0;
    }
    return t;
}

// The gender and case of the name after a title (further titles skipped): feminine when a
// name ends in "ová" or "á" ("Nováková", "Nová"); the dative or the instrumental when its
// ending says so ("Novákovi", "Novákem", "Novákovou").
struct TNameForm {
    bool feminine = false;
    TGramCase gramCase = TGramCase::Nominative;
};

// True when the word with a period is a title of the table ("Ing", "MUDr").
bool IsTitle(std::string_view word) {
    for (const TAbbreviation& a : Abbreviations()) {
        if (a.written.size() == word.size() + 1 && a.written.starts_with(word) &&
            FeminineTitle(a.forms[0])) {
            return true;
        }
    }
    return word == "Ph" || word == "D";
}

TNameForm NameAfter(const TTokenList& list, std::size_t t) {
    TNameForm form;
    int names = 0;
    for (int steps = 0; steps < 12 && t < list.size() && names < 2; ++steps, ++t) {
        const TToken& token = list[t];
        if (token.kind == TTokenKind::Space) {
            if (!list.IsInlineSpace(t)) {
                break;
            }
            continue;
        }
        if (token.IsChar('.') ||
            (token.kind == TTokenKind::Word && list.IsChar(t + 1, '.') && IsTitle(token.text))) {
            continue;  // another title ("Prof. Ing.")
        }
        if (token.kind != TTokenKind::Word) {
            break;
        }
        if (!IsCapitalised(token.text)) {
            break;
        }
        ++names;
        const std::string& w = token.text;
        if (w.ends_with("ová"_cp) || (w.size() > 3 && w.ends_with("á"_cp))) {
            form.feminine = true;
        } else if (w.ends_with("ovou")) {
            form.feminine = true;
            form.gramCase = TGramCase::Instrumental;
        } else if (w.ends_with("ovi")) {
            form.gramCase = TGramCase::Dative;
        } else if (w.ends_with("em") && w.size() > 4) {
            form.gramCase = TGramCase::Instrumental;
        }
    }
    return form;
}

// The abbreviations of places and parts of a text, which "na" and "o" put in the locative.
bool IsPlace(std::string_view written) {
    static constexpr std::string_view kPlaces[] = {
        "str.",     "obr.",   "tab.",   "kap.",  "ul.",      "nám."_cp, "nábř."_cp,
        "sídl."_cp, "tř."_cp, "hl. m.", "odst.", "písm."_cp, "§"_cp};
    return std::find(std::begin(kPlaces), std::end(kPlaces), written) != std::end(kPlaces);
}

// The day a two-letter abbreviation names ("Po" pondělí), or empty.
std::string_view DayName(std::string_view word) {
    static constexpr std::string_view kDays[][2] = {
        {"po", "pondělí"_cp},  {"út"_cp, "úterý"_cp}, {"st", "středa"_cp}, {"čt"_cp, "čtvrtek"_cp},
        {"pá"_cp, "pátek"_cp}, {"so", "sobota"},      {"ne", "neděle"_cp}};
    if (word.size() != 2) {
        return {};
    }
    const std::string lower = LowerCase(word);
    for (const auto& day : kDays) {
        if (day[0] == lower) {
            return day[1];
        }
    }
    return {};
}

// "Po–Pá", "po - ne": a range of days, read "pondělí až pátek".
bool ReadDayRange(TTokenList& list, std::size_t i) {
    const std::string_view from = DayName(list[i].text);
    const std::size_t dash = SkipInlineSpace(list, i + 1);
    const std::size_t next = SkipInlineSpace(list, dash + 1);
    if (from.empty() || !(list.IsChar(dash, '-') || list.IsChar(dash, '\x96')) ||
        !list.Is(next, TTokenKind::Word) || list.Is(next + 1, TTokenKind::Word)) {
        return false;
    }
    const std::string_view to = DayName(list[next].text);
    if (to.empty()) {
        return false;
    }
    std::string reading(from);
    AppendWord(reading, "až"_cp);
    AppendWord(reading, to);
    list.Replace(i, next + 1, std::move(reading));
    return true;
}

// "So 9–12 h", ", Ne 10:00": a lone capitalised day before hours (a time or "h"), where a
// list's item starts.
bool ReadDayBeforeHours(TTokenList& list, std::size_t i) {
    const std::string_view day = DayName(list[i].text);
    const std::size_t next = SkipInlineSpace(list, i + 1);
    // "Po" is also a preposition ("Po 8:00 přijdu"), left to read as one.
    if (day.empty() || !IsCapitalised(list[i].text) || list[i].text == "Po" || next == i + 1 ||
        !list.Is(next, TTokenKind::Read)) {
        return false;
    }
    const std::string_view source = list.Utf8(list[next]);
    const bool hours = source.find(':') != std::string_view::npos || source.ends_with(" h") ||
                       source.ends_with("hod") || source.ends_with("hod.");
    if (source.empty() || source[0] < '0' || source[0] > '9' || !hours) {
        return false;
    }
    std::size_t before = i;
    while (before > 0 && list.IsInlineSpace(before - 1)) {
        --before;
    }
    if (before > 0 && !list.IsChar(before - 1, ',') && !list.IsChar(before - 1, ';') &&
        !list.IsChar(before - 1, ':') && !list.Is(before - 1, TTokenKind::Space)) {
        return false;
    }
    list.Replace(i, i + 1, std::string(day));
    return true;
}

// "(* 5. října 1936 – † 2011)", "(1850, † 1937)": the signs of birth and death before a date or
// year.
bool ReadLifeSign(TTokenList& list, std::size_t i) {
    const bool born = list.IsChar(i, '*');
    if ((!born && !list.IsChar(i, '\x86')) || i == 0 || !StartsFree(list, i)) {
        return false;
    }
    const bool opens =
        list.IsChar(i - 1, '(') ||
        (i >= 2 && list.IsInlineSpace(i - 1) &&
         (list.IsChar(i - 2, ',') || list.IsChar(i - 2, ';') || list.IsChar(i - 2, '\x96')));
    const std::size_t next = SkipInlineSpace(list, i + 1);
    if (!opens || !list.Is(next, TTokenKind::Read)) {
        return false;
    }
    const std::string_view source = list.Utf8(list[next]);
    if (source.empty() || source[0] < '0' || source[0] > '9') {
        return false;
    }
    list.Replace(i, i + 1, std::string(born ? "narozen" : "zemřel"_cp));
    return true;
}

// True when a number the number pass read follows after a space ("s. 45").
bool BeforeNumber(const TTokenList& list, std::size_t end) {
    const std::size_t next = SkipInlineSpace(list, end);
    if (next == end || !list.Is(next, TTokenKind::Read)) {
        return false;
    }
    const std::string_view source = list.Utf8(list[next]);
    return !source.empty() && source[0] >= '0' && source[0] <= '9';
}

// Saints' names in "-a" that are women's ("sv. Anna"); other names in "-a" are a man's in the
// genitive ("kostel sv. Václava").
constexpr std::string_view kWomenSaints[] = {
    "anna",       "ludmila",  "anežka"_cp,    "markéta"_cp, "barbora", "kateřina"_cp, "voršila"_cp,
    "alžběta"_cp, "zdislava", "klára"_cp,     "helena",     "monika",  "veronika",    "agáta"_cp,
    "apolena",    "hedvika",  "magdaléna"_cp, "marta",      "dorota",  "kristina",
};

// The form of "tzv.", "sv." that agrees with the word after it.
std::string Agreeing(const TAbbreviation& row, const TTokenList& list, std::size_t next) {
    TGender gender = TGender::Inanimate;
    if (list.Is(next, TTokenKind::Word)) {
        const std::string& word = list[next].text;
        const std::string lower = LowerCase(word);
        std::string stem(row.forms[0]);
        stem.pop_back();  // "svatý" -> "svat"
        // An adjective lends its own ending: "tzv. zelená dohoda", "tzv. zelenou dohodou".
        static constexpr std::string_view kHard[] = {
            "ého"_cp, "ému"_cp, "ých"_cp, "ými"_cp, "ým"_cp, "ém"_cp, "ou", "á"_cp, "é"_cp, "ý"_cp};
        if (LooksLikeAdjective(word)) {
            for (std::string_view e : kHard) {
                if (lower.ends_with(e)) {
                    return stem + std::string(e);
                }
            }
        }
        // A name's case from its ending: "sv. Václava", "sv. Ludmily", "sv. Mikuláše".
        if (IsCapitalised(word) && lower.size() > 3) {
            const bool woman = std::find(std::begin(kWomenSaints), std::end(kWomenSaints), lower) !=
                               std::end(kWomenSaints);
            if (lower.ends_with("ovi")) {
                return stem + std::string("ému"_cp);
            }
            if ((lower.ends_with("a") && !woman) ||
                ((lower.ends_with("e") || lower.ends_with("ě"_cp)) && !lower.ends_with("ie"))) {
                return stem + std::string("ého"_cp);
            }
            if (lower.ends_with("y")) {
                return stem + std::string("é"_cp);
            }
        }
        const auto noun = FindNoun(word, std::nullopt);
        gender = noun ? noun->gender : GuessGender(word, false);
        if (IsCapitalised(word) && gender == TGender::Neuter) {
            gender = TGender::Animate;  // names in "-í" are men's: "sv. Jiří"
        }
    }
    switch (gender) {
        case TGender::Feminine:
            return std::string(row.forms[1]);
        case TGender::Neuter:
            return std::string(row.forms[2]);
        default:
            return std::string(row.forms[0]);
    }
}

}  // namespace

void ReadAbbreviations(TTokenList& list) {
    static const auto rows = [] {
        std::vector<std::pair<const TAbbreviation*, std::vector<TPart>>> r;
        for (const TAbbreviation& a : Abbreviations()) {
            r.emplace_back(&a, Parts(a.written));
        }
        // Longer written forms first: "spol. s r. o." before "s. r. o.".
        std::stable_sort(r.begin(), r.end(), [](const auto& a, const auto& b) {
            return a.second.size() > b.second.size();
        });
        return r;
    }();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (ReadLifeSign(list, i)) {
            continue;
        }
        const bool symbol = list.IsChar(i, '\xA7');  // §
        if ((list[i].kind != TTokenKind::Word && !symbol) || !StartsFree(list, i) ||
            ReadDayRange(list, i) || ReadDayBeforeHours(list, i)) {
            continue;
        }
        for (const auto& [row, parts] : rows) {
            std::size_t lastPeriod = 0;
            const std::size_t end = Match(list, i, parts, lastPeriod);
            if (end == 0) {
                continue;
            }
            if (row->use == TAbbreviationUse::BeforeNumber && !BeforeNumber(list, end)) {
                continue;
            }
            const auto prep = PrepositionBefore(list, i);
            std::string reading;
            if (row->use == TAbbreviationUse::AgreesWithNext) {
                reading = Agreeing(*row, list, SkipInlineSpace(list, end));
            } else if (const std::string_view* feminine = FeminineTitle(row->forms[0])) {
                // A title agrees with the name it stands before ("Ing. Jana Nováková").
                const TNameForm name = NameAfter(list, end);
                const TGramCase c = prep ? prep->gramCase : name.gramCase;
                const auto index = static_cast<std::size_t>(c);
                const std::string_view masculine =
                    row->forms[index].empty() ? row->forms[0] : row->forms[index];
                reading = name.feminine ? feminine[index] : masculine;
            } else {
                TGramCase asked = prep ? prep->gramCase : TGramCase::Nominative;
                const std::string& p = prep ? list[prep->index].text : list[i].text;
                if (prep && IsPlace(row->written) &&
                    (p == "na" || p == "Na" || p == "o" || p == "O")) {
                    asked = TGramCase::Locative;  // "na str. 5", "na nám. Míru"
                }
                const auto c = static_cast<std::size_t>(asked);
                reading = row->forms[c].empty() ? row->forms[0] : row->forms[c];
            }
            if (lastPeriod != 0 && PeriodEndsSentence(list, lastPeriod) &&
                (row->use == TAbbreviationUse::MayEndSentence || end >= list.size() ||
                 !list.IsInlineSpace(end))) {
                reading += '.';
            }
            if (prep) {
                VocalisePreposition(list, prep->index, reading);
            }
            list.Replace(i, end, std::move(reading));
            break;
        }
    }
}

}  // namespace vokadlo
