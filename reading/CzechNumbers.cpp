// Czech number words: declension tables for the cardinals and the ordinals, and their
// composition into whole numbers.
#include "reading/CzechNumbers.h"

#include <array>

#include "core/Cp1250Literal.h"

namespace vokadlo {

namespace {

using TCaseRow = std::array<std::string_view, 6>;  // by TGramCase

constexpr std::size_t Index(TGramCase c) {
    return static_cast<std::size_t>(c);
}

// Nominative, genitive, dative, accusative, locative, instrumental.
constexpr TCaseRow kZero = {"nula", "nuly", "nule", "nula", "nule", "nulou"};

// "jeden" by gender.
constexpr std::array<TCaseRow, 4> kOne = {{
    {"jeden", "jednoho", "jednomu", "jednoho", "jednom", "jedním"_cp},  // animate
    {"jeden", "jednoho", "jednomu", "jeden", "jednom", "jedním"_cp},    // inanimate
    {"jedna", "jedné"_cp, "jedné"_cp, "jednu", "jedné"_cp, "jednou"},   // feminine
    {"jedno", "jednoho", "jednomu", "jedno", "jednom", "jedním"_cp},    // neuter
}};

constexpr TCaseRow kTwoMasculine = {"dva", "dvou", "dvěma"_cp, "dva", "dvou", "dvěma"_cp};
constexpr TCaseRow kTwoOther = {"dvě"_cp, "dvou", "dvěma"_cp, "dvě"_cp, "dvou", "dvěma"_cp};

// 3..19, then the tens 20..90 (index 17 + tens).
constexpr TCaseRow kSmall[] = {
    {"tři"_cp, "tří"_cp, "třem"_cp, "tři"_cp, "třech"_cp, "třemi"_cp},
    {"čtyři"_cp, "čtyř"_cp, "čtyřem"_cp, "čtyři"_cp, "čtyřech"_cp, "čtyřmi"_cp},
    {"pět"_cp, "pěti"_cp, "pěti"_cp, "pět"_cp, "pěti"_cp, "pěti"_cp},
    {"šest"_cp, "šesti"_cp, "šesti"_cp, "šest"_cp, "šesti"_cp, "šesti"_cp},
    {"sedm", "sedmi", "sedmi", "sedm", "sedmi", "sedmi"},
    {"osm", "osmi", "osmi", "osm", "osmi", "osmi"},
    {"devět"_cp, "devíti"_cp, "devíti"_cp, "devět"_cp, "devíti"_cp, "devíti"_cp},
    {"deset", "deseti", "deseti", "deset", "deseti", "deseti"},
    {"jedenáct"_cp, "jedenácti"_cp, "jedenácti"_cp, "jedenáct"_cp, "jedenácti"_cp, "jedenácti"_cp},
    {"dvanáct"_cp, "dvanácti"_cp, "dvanácti"_cp, "dvanáct"_cp, "dvanácti"_cp, "dvanácti"_cp},
    {"třináct"_cp, "třinácti"_cp, "třinácti"_cp, "třináct"_cp, "třinácti"_cp, "třinácti"_cp},
    {"čtrnáct"_cp, "čtrnácti"_cp, "čtrnácti"_cp, "čtrnáct"_cp, "čtrnácti"_cp, "čtrnácti"_cp},
    {"patnáct"_cp, "patnácti"_cp, "patnácti"_cp, "patnáct"_cp, "patnácti"_cp, "patnácti"_cp},
    {"šestnáct"_cp, "šestnácti"_cp, "šestnácti"_cp, "šestnáct"_cp, "šestnácti"_cp, "šestnácti"_cp},
    {"sedmnáct"_cp, "sedmnácti"_cp, "sedmnácti"_cp, "sedmnáct"_cp, "sedmnácti"_cp, "sedmnácti"_cp},
    {"osmnáct"_cp, "osmnácti"_cp, "osmnácti"_cp, "osmnáct"_cp, "osmnácti"_cp, "osmnácti"_cp},
    {"devatenáct"_cp, "devatenácti"_cp, "devatenácti"_cp, "devatenáct"_cp, "devatenácti"_cp,
     "devatenácti"_cp},
    {"dvacet", "dvaceti", "dvaceti", "dvacet", "dvaceti", "dvaceti"},
    {"třicet"_cp, "třiceti"_cp, "třiceti"_cp, "třicet"_cp, "třiceti"_cp, "třiceti"_cp},
    {"čtyřicet"_cp, "čtyřiceti"_cp, "čtyřiceti"_cp, "čtyřicet"_cp, "čtyřiceti"_cp, "čtyřiceti"_cp},
    {"padesát"_cp, "padesáti"_cp, "padesáti"_cp, "padesát"_cp, "padesáti"_cp, "padesáti"_cp},
    {"šedesát"_cp, "šedesáti"_cp, "šedesáti"_cp, "šedesát"_cp, "šedesáti"_cp, "šedesáti"_cp},
    {"sedmdesát"_cp, "sedmdesáti"_cp, "sedmdesáti"_cp, "sedmdesát"_cp, "sedmdesáti"_cp,
     "sedmdesáti"_cp},
    {"osmdesát"_cp, "osmdesáti"_cp, "osmdesáti"_cp, "osmdesát"_cp, "osmdesáti"_cp, "osmdesáti"_cp},
    {"devadesát"_cp, "devadesáti"_cp, "devadesáti"_cp, "devadesát"_cp, "devadesáti"_cp,
     "devadesáti"_cp},
};

// The word for the hundreds by case and plural category of their count: "sto", "stě", "sta",
// "set".
constexpr TCaseRow kHundredOne = {"sto", "sta", "stu", "sto", "stu", "stem"};
constexpr TCaseRow kHundredTwo = {"stě"_cp, "set", "stům"_cp, "stě"_cp, "stech", "sty"};
constexpr TCaseRow kHundredFew = {"sta", "set", "stům"_cp, "sta", "stech", "sty"};
constexpr TCaseRow kHundredOther = {"set", "set", "stům"_cp, "set", "stech", "sty"};

// Thousands, millions and billions: the count's gender and the word by plural category.
struct TScale {
    std::uint64_t value;
    TGender gender;
    TCaseRow forms[3];  // One, Few, Other
};

constexpr TScale kScales[] = {
    {1'000'000'000,
     TGender::Feminine,
     {{"miliarda", "miliardy", "miliardě"_cp, "miliardu", "miliardě"_cp, "miliardou"},
      {"miliardy", "miliard", "miliardám"_cp, "miliardy", "miliardách"_cp, "miliardami"},
      {"miliard", "miliard", "miliardám"_cp, "miliard", "miliardách"_cp, "miliardami"}}},
    {1'000'000,
     TGender::Inanimate,
     {{"milion", "milionu", "milionu", "milion", "milionu", "milionem"},
      {"miliony", "milionů"_cp, "milionům"_cp, "miliony", "milionech", "miliony"},
      {"milionů"_cp, "milionů"_cp, "milionům"_cp, "milionů"_cp, "milionech", "miliony"}}},
    {1'000,
     TGender::Inanimate,
     {{"tisíc"_cp, "tisíce"_cp, "tisíci"_cp, "tisíc"_cp, "tisíci"_cp, "tisícem"_cp},
      {"tisíce"_cp, "tisíc"_cp, "tisícům"_cp, "tisíce"_cp, "tisících"_cp, "tisíci"_cp},
      {"tisíc"_cp, "tisíc"_cp, "tisícům"_cp, "tisíc"_cp, "tisících"_cp, "tisíci"_cp}}},
};

// Ordinal stems 1..19, tens 20..90 and hundreds 100..900, with their adjective declension.
struct TOrdinalStem {
    std::string_view stem;
    bool soft;  // "první", "třetí", "tisící" decline like "jarní"; the others like "mladý"
};

constexpr TOrdinalStem kOrdinalUnits[] = {
    {"", false},           {"prvn", true},           {"druh", false},
    {"třet"_cp, true},     {"čtvrt"_cp, false},      {"pát"_cp, false},
    {"šest"_cp, false},    {"sedm", false},          {"osm", false},
    {"devát"_cp, false},   {"desát"_cp, false},      {"jedenáct"_cp, false},
    {"dvanáct"_cp, false}, {"třináct"_cp, false},    {"čtrnáct"_cp, false},
    {"patnáct"_cp, false}, {"šestnáct"_cp, false},   {"sedmnáct"_cp, false},
    {"osmnáct"_cp, false}, {"devatenáct"_cp, false},
};
constexpr std::string_view kOrdinalTens[] = {
    "",           "",           "dvacát"_cp,    "třicát"_cp,   "čtyřicát"_cp,
    "padesát"_cp, "šedesát"_cp, "sedmdesát"_cp, "osmdesát"_cp, "devadesát"_cp,
};
constexpr std::string_view kOrdinalHundreds[] = {
    "",          "st",         "dvoust",     "tříst"_cp,  "čtyřst"_cp,
    "pětist"_cp, "šestist"_cp, "sedmist"_cp, "osmist"_cp, "devítist"_cp,
};

// Adjective endings by gender and case: hard ("mladý") and soft ("jarní").
constexpr std::array<TCaseRow, 4> kHardEndings = {{
    {"ý"_cp, "ého"_cp, "ému"_cp, "ého"_cp, "ém"_cp, "ým"_cp},
    {"ý"_cp, "ého"_cp, "ému"_cp, "ý"_cp, "ém"_cp, "ým"_cp},
    {"á"_cp, "é"_cp, "é"_cp, "ou", "é"_cp, "ou"},
    {"é"_cp, "ého"_cp, "ému"_cp, "é"_cp, "ém"_cp, "ým"_cp},
}};
constexpr std::array<TCaseRow, 4> kSoftEndings = {{
    {"í"_cp, "ího"_cp, "ímu"_cp, "ího"_cp, "ím"_cp, "ím"_cp},
    {"í"_cp, "ího"_cp, "ímu"_cp, "í"_cp, "ím"_cp, "ím"_cp},
    {"í"_cp, "í"_cp, "í"_cp, "í"_cp, "í"_cp, "í"_cp},
    {"í"_cp, "ího"_cp, "ímu"_cp, "í"_cp, "ím"_cp, "ím"_cp},
}};

// Plural endings: hard by gender, soft the same for all ("první", "prvních", ...).
constexpr std::array<TCaseRow, 4> kHardPluralEndings = {{
    {"í"_cp, "ých"_cp, "ým"_cp, "é"_cp, "ých"_cp, "ými"_cp},
    {"é"_cp, "ých"_cp, "ým"_cp, "é"_cp, "ých"_cp, "ými"_cp},
    {"é"_cp, "ých"_cp, "ým"_cp, "é"_cp, "ých"_cp, "ými"_cp},
    {"á"_cp, "ých"_cp, "ým"_cp, "á"_cp, "ých"_cp, "ými"_cp},
}};
constexpr TCaseRow kSoftPluralEndings = {"í"_cp, "ích"_cp, "ím"_cp, "í"_cp, "ích"_cp, "ími"_cp};

std::string Ordinal(std::string_view stem, bool soft, TGender gender, TGramCase gramCase,
                    bool plural = false) {
    if (plural) {
        std::string word(stem);
        word += soft ? kSoftPluralEndings[Index(gramCase)]
                     : kHardPluralEndings[static_cast<std::size_t>(gender)][Index(gramCase)];
        return word;
    }
    const auto& endings = soft ? kSoftEndings : kHardEndings;
    std::string word(stem);
    word += endings[static_cast<std::size_t>(gender)][Index(gramCase)];
    return word;
}

bool IsMasculine(TGender g) {
    return g == TGender::Animate || g == TGender::Inanimate;
}

// The words of 1..99. `compound`: the units after tens or hundreds ("dvacet jedna").
void AppendBelowHundred(std::string& out, unsigned n, const TNumberForm& form, bool compound) {
    const TGramCase c = form.gramCase;
    const bool nominative = c == TGramCase::Nominative || c == TGramCase::Accusative;
    if (n >= 20) {
        AppendWord(out, kSmall[17 + n / 10 - 2][Index(c)]);
        n %= 10;
        compound = true;
        if (n == 0) {
            return;
        }
    }
    if (n == 1) {
        // "dvacet jedna korun", "jedna" when counting; otherwise by gender.
        if (nominative && (compound || form.counting)) {
            AppendWord(out, "jedna");
        } else {
            AppendWord(out, kOne[static_cast<std::size_t>(form.gender)][Index(c)]);
        }
    } else if (n == 2) {
        // "dvacet dva korun": after tens or hundreds, neutral like "jedna".
        const bool masculine =
            form.counting || (compound && nominative) || IsMasculine(form.gender);
        AppendWord(out, (masculine ? kTwoMasculine : kTwoOther)[Index(c)]);
    } else {
        AppendWord(out, kSmall[n - 3][Index(c)]);
    }
}

void AppendBelowThousand(std::string& out, unsigned n, const TNumberForm& form, bool compound) {
    const TGramCase c = form.gramCase;
    if (const unsigned h = n / 100; h > 0) {
        if (h == 1) {
            AppendWord(out, kHundredOne[Index(c)]);
        } else {
            AppendBelowHundred(out, h, {TGender::Feminine, c, false}, false);
            const TCaseRow& word = h == 2 ? kHundredTwo : h <= 4 ? kHundredFew : kHundredOther;
            AppendWord(out, word[Index(c)]);
        }
        compound = true;
    }
    if (n % 100 != 0) {
        AppendBelowHundred(out, n % 100, form, compound);
    }
}

}  // namespace

void AppendWord(std::string& out, std::string_view word) {
    if (word.empty()) {
        return;
    }
    if (!out.empty() && out.back() != ' ') {
        out += ' ';
    }
    out += word;
}

TPlural PluralOf(std::uint64_t n) {
    return n == 1 ? TPlural::One : n >= 2 && n <= 4 ? TPlural::Few : TPlural::Other;
}

std::string CardinalWords(std::uint64_t n, const TNumberForm& form) {
    std::string out;
    if (n > kMaxCardinal) {
        return out;
    }
    if (n == 0) {
        return std::string(kZero[Index(form.gramCase)]);
    }
    bool compound = false;
    for (const TScale& scale : kScales) {
        const auto count = static_cast<unsigned>(n / scale.value);
        n %= scale.value;
        if (count == 0) {
            continue;
        }
        if (count > 1) {
            AppendBelowThousand(out, count, {scale.gender, form.gramCase, false}, false);
        }
        const TPlural plural = PluralOf(count);
        const std::size_t row = plural == TPlural::One ? 0 : plural == TPlural::Few ? 1 : 2;
        AppendWord(out, scale.forms[row][Index(form.gramCase)]);
        compound = true;
    }
    if (n > 0) {
        AppendBelowThousand(out, static_cast<unsigned>(n), form, compound);
    }
    return out;
}

std::string OrdinalWords(unsigned n, TGender gender, TGramCase gramCase, bool plural) {
    std::string out;
    if (n == 0 || n > 1000) {
        return out;
    }
    if (n == 1000) {
        return Ordinal("tisíc"_cp, true, gender, gramCase, plural);
    }
    if (const unsigned h = n / 100; h > 0) {
        if (n % 100 == 0) {
            return Ordinal(kOrdinalHundreds[h], false, gender, gramCase, plural);
        }
        // "sto první", "dvě stě padesátý"
        AppendBelowThousand(out, h * 100, {.counting = false}, false);
        n %= 100;
    }
    if (n >= 20) {
        AppendWord(out, Ordinal(kOrdinalTens[n / 10], false, gender, gramCase, plural));
        n %= 10;
    }
    if (n > 0) {
        const TOrdinalStem& stem = kOrdinalUnits[n];
        AppendWord(out, Ordinal(stem.stem, stem.soft, gender, gramCase, plural));
    }
    return out;
}

}  // namespace vokadlo
