// Numbers with what they count: units and currencies from CLDR, the counted abbreviations and
// scale words from the table below, decimals and common fractions.
#include "reading/Quantity.h"

#include "core/Cp1250Literal.h"

namespace vokadlo {

namespace {

using G = TGender;

// Nominative by plural category: One, Few, Many (the genitive singular), Other.
constexpr TCountedWord kCountedWords[] = {
    {"hod.", G::Feminine, {}, "h", false},
    {"min.", G::Feminine, {}, "min", false},
    {"sek.", G::Feminine, {}, "s", false},
    {"vteř."_cp, G::Feminine, {}, "s", false},
    {"ks", G::Inanimate, {"kus", "kusy", "kusu", "kusů"_cp}, "", false},
    {"str.", G::Feminine, {"strana", "strany", "strany", "stran"}, "", false},
    {"os.", G::Feminine, {"osoba", "osoby", "osoby", "osob"}, "", false},
    {"obyv.", G::Animate, {"obyvatel", "obyvatelé"_cp, "obyvatele", "obyvatel"}, "", false},
    {"tis."_cp, G::Inanimate, {"tisíc"_cp, "tisíce"_cp, "tisíce"_cp, "tisíc"_cp}, "", true},
    {"mil.", G::Inanimate, {"milion", "miliony", "milionu", "milionů"_cp}, "", true},
    {"mld.", G::Feminine, {"miliarda", "miliardy", "miliardy", "miliard"}, "", true},
    {"bil.", G::Inanimate, {"bilion", "biliony", "bilionu", "bilionů"_cp}, "", true},
    {"bilion", G::Inanimate, {"bilion", "biliony", "bilionu", "bilionů"_cp}, "", true},
    {"biliony", G::Inanimate, {"bilion", "biliony", "bilionu", "bilionů"_cp}, "", true},
    {"bilionů"_cp, G::Inanimate, {"bilion", "biliony", "bilionu", "bilionů"_cp}, "", true},
    {"tisíc"_cp, G::Inanimate, {"tisíc"_cp, "tisíce"_cp, "tisíce"_cp, "tisíc"_cp}, "", true},
    {"tisíce"_cp, G::Inanimate, {"tisíc"_cp, "tisíce"_cp, "tisíce"_cp, "tisíc"_cp}, "", true},
    {"milion", G::Inanimate, {"milion", "miliony", "milionu", "milionů"_cp}, "", true},
    {"miliony", G::Inanimate, {"milion", "miliony", "milionu", "milionů"_cp}, "", true},
    {"milionů"_cp, G::Inanimate, {"milion", "miliony", "milionu", "milionů"_cp}, "", true},
    {"miliarda", G::Feminine, {"miliarda", "miliardy", "miliardy", "miliard"}, "", true},
    {"miliardy", G::Feminine, {"miliarda", "miliardy", "miliardy", "miliard"}, "", true},
    {"miliard", G::Feminine, {"miliarda", "miliardy", "miliardy", "miliard"}, "", true},
};

// The parts of a whole: nominative by plural category One, Few, Other (also the genitive
// singular of "3,5"-like counts is Few here: "jedna polovina", "dvě třetiny", "pět osmin").
struct TFraction {
    unsigned denominator;
    std::string_view forms[3];
};
constexpr TFraction kFractions[] = {
    {2, {"polovina", "poloviny", "polovin"}},
    {3, {"třetina"_cp, "třetiny"_cp, "třetin"_cp}},
    {4, {"čtvrtina"_cp, "čtvrtiny"_cp, "čtvrtin"_cp}},
    {5, {"pětina"_cp, "pětiny"_cp, "pětin"_cp}},
    {6, {"šestina"_cp, "šestiny"_cp, "šestin"_cp}},
    {8, {"osmina", "osminy", "osmin"}},
    {10, {"desetina", "desetiny", "desetin"}},
    {100, {"setina", "setiny", "setin"}},
};

std::size_t PluralIndex(TPlural p) {
    return static_cast<std::size_t>(p);
}

// A noun given by its nominative per plural category, in a case: the genitive singular is the
// Many form, the genitive plural the Other form; a feminine "-a" takes "-u" in the accusative.
// Dative, locative and instrumental are not in the data: nothing.
// The counted nouns (currencies, their hundredths, counted words) in every case, singular and
// plural, by their nominative singular: nominative, genitive, dative, accusative, locative,
// instrumental.
struct TDeclined {
    std::string_view singular[6];
    std::string_view plural[6];
};
constexpr TDeclined kDeclined[] = {
    {{"koruna", "koruny", "koruně"_cp, "korunu", "koruně"_cp, "korunou"},
     {"koruny", "korun", "korunám"_cp, "koruny", "korunách"_cp, "korunami"}},
    {{"euro", "eura", "euru", "euro", "euru", "eurem"},
     {"eura", "eur", "eurům"_cp, "eura", "eurech", "eury"}},
    {{"dolar", "dolaru", "dolaru", "dolar", "dolaru", "dolarem"},
     {"dolary", "dolarů"_cp, "dolarům"_cp, "dolary", "dolarech", "dolary"}},
    {{"libra", "libry", "libře"_cp, "libru", "libře"_cp, "librou"},
     {"libry", "liber", "librám"_cp, "libry", "librách"_cp, "librami"}},
    {{"haléř"_cp, "haléře"_cp, "haléři"_cp, "haléř"_cp, "haléři"_cp, "haléřem"_cp},
     {"haléře"_cp, "haléřů"_cp, "haléřům"_cp, "haléře"_cp, "haléřích"_cp, "haléři"_cp}},
    {{"cent", "centu", "centu", "cent", "centu", "centem"},
     {"centy", "centů"_cp, "centům"_cp, "centy", "centech", "centy"}},
    {{"kus", "kusu", "kusu", "kus", "kusu", "kusem"},
     {"kusy", "kusů"_cp, "kusům"_cp, "kusy", "kusech", "kusy"}},
    {{"osoba", "osoby", "osobě"_cp, "osobu", "osobě"_cp, "osobou"},
     {"osoby", "osob", "osobám"_cp, "osoby", "osobách"_cp, "osobami"}},
    {{"strana", "strany", "straně"_cp, "stranu", "straně"_cp, "stranou"},
     {"strany", "stran", "stranám"_cp, "strany", "stranách"_cp, "stranami"}},
};

std::optional<std::string> CaseForm(const std::string_view (&forms)[4], TGender gender,
                                    TPlural plural, TGramCase gramCase) {
    const bool oblique = gramCase == TGramCase::Dative || gramCase == TGramCase::Locative ||
                         gramCase == TGramCase::Instrumental;
    if (oblique && plural != TPlural::Many) {
        for (const TDeclined& d : kDeclined) {
            if (d.singular[0] == forms[0]) {
                const auto c = static_cast<std::size_t>(gramCase);
                return std::string(plural == TPlural::One ? d.singular[c] : d.plural[c]);
            }
        }
    }
    switch (gramCase) {
        case TGramCase::Nominative:
            return std::string(forms[PluralIndex(plural)]);
        case TGramCase::Accusative: {
            std::string form(forms[PluralIndex(plural)]);
            if (plural == TPlural::One && gender == TGender::Feminine && !form.empty() &&
                form.back() == 'a') {
                form.back() = 'u';
            }
            return form;
        }
        case TGramCase::Genitive:
            return std::string(
                forms[PluralIndex(plural == TPlural::One ? TPlural::Many : TPlural::Other)]);
        default:
            return std::nullopt;
    }
}

// The units whose cases CLDR lacks: their gender and forms by plural category and case.
struct TUnitCases {
    std::string_view id;
    TGender gender;
    std::string_view forms[4][6];
};
constexpr TUnitCases kUnitCases[] = {
    {"energy-kilocalorie",
     TGender::Feminine,
     {{"kilokalorie", "kilokalorie", "kilokalorii", "kilokalorii", "kilokalorii", "kilokalorií"_cp},
      {"kilokalorie", "kilokalorií"_cp, "kilokaloriím"_cp, "kilokalorie", "kilokaloriích"_cp,
       "kilokaloriemi"},
      {"kilokalorie", "kilokalorie", "kilokalorie", "kilokalorie", "kilokalorie", "kilokalorie"},
      {"kilokalorií"_cp, "kilokalorií"_cp, "kilokaloriím"_cp, "kilokalorií"_cp, "kilokaloriích"_cp,
       "kilokaloriemi"}}},
    {"temperature-fahrenheit",
     TGender::Inanimate,
     {{"stupeň Fahrenheita"_cp, "stupně Fahrenheita"_cp, "stupni Fahrenheita",
       "stupeň Fahrenheita"_cp, "stupni Fahrenheita", "stupněm Fahrenheita"_cp},
      {"stupně Fahrenheita"_cp, "stupňů Fahrenheita"_cp, "stupňům Fahrenheita"_cp,
       "stupně Fahrenheita"_cp, "stupních Fahrenheita"_cp, "stupni Fahrenheita"},
      {"stupně Fahrenheita"_cp, "stupně Fahrenheita"_cp, "stupně Fahrenheita"_cp,
       "stupně Fahrenheita"_cp, "stupně Fahrenheita"_cp, "stupně Fahrenheita"_cp},
      {"stupňů Fahrenheita"_cp, "stupňů Fahrenheita"_cp, "stupňům Fahrenheita"_cp,
       "stupňů Fahrenheita"_cp, "stupních Fahrenheita"_cp, "stupni Fahrenheita"}}},
};

const TUnitCases* UnitCases(const TUnitName& unit) {
    for (const TUnitCases& u : kUnitCases) {
        if (u.id == unit.id) {
            return &u;
        }
    }
    return nullptr;
}

}  // namespace

TGender UnitGender(const TUnitName& unit) {
    const TUnitCases* cases = UnitCases(unit);
    return cases ? cases->gender : unit.gender;
}

namespace {

std::string UnitForm(const TUnitName& unit, TPlural plural, TGramCase gramCase) {
    const auto& row = unit.forms[PluralIndex(plural)];
    std::string_view form = row[static_cast<std::size_t>(gramCase)];
    if (form.empty()) {
        if (const TUnitCases* cases = UnitCases(unit)) {
            form = cases->forms[PluralIndex(plural)][static_cast<std::size_t>(gramCase)];
        }
    }
    return std::string(form.empty() ? row[0] : form);
}

// The words of the digits after a decimal comma, feminine ("tři celé dvě").
std::string DecimalPart(std::string_view digits) {
    std::string out;
    const TNumberForm feminine{TGender::Feminine, TGramCase::Nominative, false};
    if (digits.size() > 3) {
        for (char d : digits) {
            AppendWord(out, CardinalWords(static_cast<std::uint64_t>(d - '0')));
        }
        return out;
    }
    std::size_t zeros = 0;
    while (zeros < digits.size() && digits[zeros] == '0') {
        AppendWord(out, "nula");
        ++zeros;
    }
    if (zeros < digits.size()) {
        AppendWord(out, CardinalWords(std::stoull(std::string(digits.substr(zeros))), feminine));
    }
    return out;
}

// "1/3", "o 1/3" (o jednu třetinu): one part declines in the case asked for; more parts keep
// the nominative, which the accusative shares.
std::string FractionWords(const TWrittenNumber& number, TGramCase gramCase) {
    static constexpr std::string_view kOneEndings[] = {"a", "y", "ě"_cp, "u", "ě"_cp, "ou"};
    for (const TFraction& f : kFractions) {
        if (f.denominator == number.denominator) {
            const TPlural p = PluralOf(number.integer);
            if (p == TPlural::One && number.integer == 1) {
                std::string out = CardinalWords(1, {TGender::Feminine, gramCase});
                std::string part(f.forms[0]);
                part.pop_back();
                part += kOneEndings[static_cast<std::size_t>(gramCase)];
                AppendWord(out, part);
                return out;
            }
            std::string out = CardinalWords(number.integer, {TGender::Feminine});
            AppendWord(out, f.forms[p == TPlural::One ? 0 : p == TPlural::Few ? 1 : 2]);
            return out;
        }
    }
    return {};
}

}  // namespace

const TCountedWord* FindCountedWord(std::string_view written) {
    for (const TCountedWord& w : kCountedWords) {
        if (w.written == written) {
            return &w;
        }
    }
    return nullptr;
}

std::string DecimalWords(std::uint64_t integer, std::string_view decimals) {
    const TPlural p = PluralOf(integer);
    std::string out = CardinalWords(integer, {TGender::Feminine});
    AppendWord(out, integer == 0 || p == TPlural::One ? "celá"_cp
                    : p == TPlural::Few               ? "celé"_cp
                                                      : "celých"_cp);
    AppendWord(out, DecimalPart(decimals));
    return out;
}

std::string ReadQuantity(const TWrittenNumber& number, const TCounted& counted, TGramCase gramCase,
                         TNumberForm bare) {
    if (number.integer > kMaxCardinal || number.decimals.size() > 12) {
        return {};
    }
    std::string out(number.negative ? "mínus"_cp : number.positive ? "plus" : std::string_view{});
    const TCurrencyName* currency = counted.currency;
    const TUnitName* unit = counted.unit;
    const TCountedWord* word = counted.word;
    if (word && !word->unit.empty()) {
        unit = FindUnit(word->unit);
        word = nullptr;
    }
    // What a scale ("mil.") is followed by: read in the genitive plural after it.
    std::string scaled;
    if (counted.scaledCurrency) {
        scaled = counted.scaledCurrency->forms[PluralIndex(TPlural::Other)];
    } else if (counted.scaledUnit) {
        scaled = UnitForm(*counted.scaledUnit, TPlural::Other, TGramCase::Genitive);
    }
    const auto finish = [&](std::string reading) {
        AppendWord(out, reading);
        AppendWord(out, scaled);
        return out;
    };

    if (number.denominator != 0) {
        std::string reading = FractionWords(number, gramCase);
        if (reading.empty()) {
            return {};
        }
        if (unit) {
            AppendWord(reading, UnitForm(*unit, TPlural::Many, TGramCase::Genitive));
        } else if (currency) {
            AppendWord(reading, currency->forms[PluralIndex(TPlural::Many)]);
        }
        return finish(reading);
    }

    if (currency && !number.decimals.empty() && number.decimals.size() <= 2 &&
        !currency->subunitForms[0].empty()) {
        // "12,50 Kč": the whole units, then the hundredths.
        unsigned cents = static_cast<unsigned>(std::stoul(number.decimals));
        if (number.decimals.size() == 1) {
            cents *= 10;
        }
        std::string reading;
        if (number.integer > 0 || cents == 0) {
            TWrittenNumber whole;
            whole.integer = number.integer;
            TCounted money;
            money.currency = currency;
            reading = ReadQuantity(whole, money, gramCase, bare);
        }
        if (cents > 0) {
            const TPlural p = PluralOf(cents);
            const auto sub = CaseForm(currency->subunitForms, currency->subunitGender, p, gramCase);
            const TGramCase c = sub ? gramCase : TGramCase::Nominative;
            AppendWord(reading, CardinalWords(cents, {currency->subunitGender, c, false}));
            AppendWord(reading, sub ? *sub : std::string(currency->subunitForms[PluralIndex(p)]));
        }
        return finish(reading);
    }

    if (!number.decimals.empty()) {
        std::string reading = DecimalWords(number.integer, number.decimals);
        if (unit) {
            AppendWord(reading, UnitForm(*unit, TPlural::Many, TGramCase::Genitive));
        } else if (currency) {
            AppendWord(reading, currency->forms[PluralIndex(TPlural::Many)]);
        } else if (word) {
            AppendWord(reading, word->forms[PluralIndex(TPlural::Many)]);
        }
        return finish(reading);
    }

    const TPlural plural = PluralOf(number.integer);
    std::string noun;
    TNumberForm form{bare.gender, gramCase, false};
    // After whole thousands or millions the noun stays in the genitive plural ("s tisícem
    // metrů", "se dvěma miliony korun").
    const bool wholeScale = number.integer >= 1000 && number.integer % 1000 == 0;
    const TPlural nounPlural = wholeScale ? TPlural::Other : plural;
    const TGramCase nounCase = wholeScale ? TGramCase::Genitive : gramCase;
    if (unit) {
        form.gender = UnitGender(*unit);
        noun = UnitForm(*unit, nounPlural, nounCase);
    } else if (currency || word) {
        const auto& forms = currency ? currency->forms : word->forms;
        form.gender = currency ? currency->gender : word->gender;
        if (word && word->scale && word->written.find('.') == std::string_view::npos) {
            noun = word->written;  // "3 bilionů": the case the writer chose
        } else if (auto f = CaseForm(forms, form.gender, nounPlural, nounCase)) {
            noun = *f;
        } else {
            form.gramCase = TGramCase::Nominative;
            noun = forms[PluralIndex(plural)];
        }
    } else {
        form.counting = bare.counting;
    }
    std::string reading = CardinalWords(number.integer, form);
    AppendWord(reading, noun);
    return finish(reading);
}

}  // namespace vokadlo
