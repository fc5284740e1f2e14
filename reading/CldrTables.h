// Czech names the reading stage says, taken from Unicode CLDR by tools/cldr/generate.py: units
// after a number by plural category and case, currencies by plural category, the months in the
// genitive and the spoken names of symbols and emoji. The tables are constant data; no call
// allocates.
#pragma once

#include <cstdint>
#include <string_view>

namespace vokadlo {

// Czech plural categories: One (1), Few (2-4), Many (decimals: "3,5 kilogramu"), Other (0, 5+).
enum class TPlural : std::uint8_t { One, Few, Many, Other };

enum class TGramCase : std::uint8_t {
    Nominative,
    Genitive,
    Dative,
    Accusative,
    Locative,
    Instrumental
};

enum class TGender : std::uint8_t { Animate, Inanimate, Feminine, Neuter };

struct TUnitName {
    // As written after a number, code page 1250: "kg", "km/h", "°C"; "m2" for m², which the code
    // page lacks.
    std::string_view abbreviation;
    std::string_view id;  // CLDR type: "mass-kilogram"
    TGender gender;
    // [TPlural][TGramCase], code page 1250 words without the number ("kilogramů", "stupně
    // Celsia"); empty where CLDR lacks the form.
    std::string_view forms[4][6];
};

// The unit written `abbreviation` after a number (exact match, case counts), given in code page
// 1250 or in UTF-8 ("°C" both ways; "m²" and "m2"); nullptr if none.
const TUnitName* FindUnit(std::string_view abbreviation);

struct TCurrencyName {
    std::string_view symbol;  // code page 1250 as commonly written: "Kč", "€", "$", "£", "Kčs"
    std::string_view code;    // ISO code: "CZK"
    TGender gender;
    std::string_view forms[4];  // nominative by TPlural, code page 1250: "koruna" ... "korun"
    // The hundredth part ("12,50 Kč" -> "padesát haléřů"): nominative by TPlural; empty when the
    // currency's hundredths are not read.
    std::string_view subunitForms[4];
    TGender subunitGender;
};

// The currency written `symbol` ("Kč", "€", "EUR", "$", "USD", "£", "Kčs", ...), given in code
// page 1250 or in UTF-8; nullptr if none.
const TCurrencyName* FindCurrency(std::string_view symbol);

// The month's name in the genitive ("prosince"), code page 1250; empty outside 1..12.
std::string_view MonthGenitive(int month);

struct TLetterSpelling {
    char32_t codePoint;
    std::string_view spelling;  // code page 1250: "šč" for щ, "o" for ø, empty for ъ
};

// How a Czech reader says a letter the voice does not: Cyrillic and Greek transcribed, Latin
// letters with accents Czech lacks without them (ä as e); nullptr for other letters (Czech
// ones, ö and ü, other scripts).
const TLetterSpelling* FindLetter(char32_t codePoint);

struct TSymbolName {
    std::string_view utf8;  // the symbol's code points, UTF-8, without variation selectors
    std::string_view name;  // its Czech spoken name, code page 1250: "šipka ukazující doprava"
};

// The longest symbol or emoji that `utf8` starts with (variation selector U+FE0F already removed
// from `utf8` by the caller), or nullptr. Only symbols read aloud are listed: no letters, digits,
// ASCII characters or punctuation a reader passes over.
const TSymbolName* FindSymbol(std::string_view utf8);

}  // namespace vokadlo
