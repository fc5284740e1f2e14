#include "text/NumberWords.h"

#include <array>
#include <charconv>

namespace vokadlo {
namespace {

// Word tables, indexed by the digit (entry 0 unused where the digit 0 has no word).
constexpr std::array<const char*, 10> kUnitsFeminine = {
    "",
    "jedna ",
    "dva ",
    "t\xF8i ",       // tři
    "\xE8ty\xF8i ",  // čtyři
    "pjet ",
    "\x9A"
    "est ",  // šest
    "sedm ",
    "osm ",
    "devjet ",
};
constexpr std::array<const char*, 10> kUnitsMasculine = {
    "",
    "jeden ",
    "dva ",
    "t\xF8i ",       // tři
    "\xE8ty\xF8i ",  // čtyři
    "pjet ",
    "\x9A"
    "est ",  // šest
    "sedm ",
    "osm ",
    "devjet ",
};
// 10..19: first part, then "set " (10) or "náct ".
constexpr std::array<const char*, 10> kTeens = {
    "de ",
    "jede ",
    "dva ",
    "t\xF8i ",  // tři
    "\xE8tr ",  // čtr
    "pat ",
    "\x9A"
    "est ",  // šest
    "sedm ",
    "osm ",
    "devate ",
};
constexpr const char* kTen = "set ";
constexpr const char* kTeen =
    "n\xE1"
    "ct ";  // náct
// 20..90: first part and ending.
struct TTensRow {
    const char* first;
    const char* ending;
};
constexpr std::array<TTensRow, 10> kTens = {{
    {"", ""},
    {"", ""},
    {"dva ", "cet "},
    {"t\xF8i ", "cet "},       // tři
    {"\xE8ty\xF8i ", "cet "},  // čtyři
    {"pa ", "des\xE1t "},      // desát
    {"\x9A"
     "e ",
     "des\xE1t "},  // še
    {"sedm ", "des\xE1t "},
    {"osm ", "des\xE1t "},
    {"deva ", "des\xE1t "},
}};
// Hundreds: a word of its own, or the feminine unit word followed by the ending.
constexpr std::array<TTensRow, 10> kHundreds = {{
    {"", ""},
    {"sto ", ""},
    {"dvjes\x9D"
     "e ",
     ""},                      // dvjesťe
    {"t\xF8i ", "sta "},       // tři sta
    {"\xE8ty\xF8i ", "sta "},  // čtyři sta
    {"pjet ", "set "},
    {"\x9A"
     "est ",
     "set "},  // šest set
    {"sedm ", "set "},
    {"osm ", "set "},
    {"devjet ", "set "},
}};
constexpr const char* kThousand =
    "tis\xED"
    "c ";  // tisíc
constexpr const char* kThousands =
    "tis\xED"
    "ce ";                                         // tisíce
constexpr const char* kMillionStem = "mili\xF3n";  // milión
constexpr const char* kMillionsFew = "y ";
constexpr const char* kMillionsMany = "\xF9 ";  // ů
constexpr const char* kZero = "nula";
constexpr const char* kPoint =
    " cel\xED"
    "ch ";                                   // celích
constexpr const char* kMinus = "m\xEDnus ";  // mínus
// Billions: 1, 2, 3..4 and the rest.
constexpr const char* kBillionOne = "jedna miliarda ";
constexpr const char* kBillionTwo = "dvje miliardy ";
constexpr const char* kBillionsFew = "miliardy ";
constexpr const char* kBillionsMany = "miliard ";

constexpr std::size_t kPlaces = 9;        // integer places read by ReadGroups
constexpr std::size_t kMaxIntegers = 12;  // with the billions

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int Digit(char c) {
    return IsDigit(c) ? c - '0' : 0;
}
bool IsNonZeroDigit(char c) {
    return c >= '1' && c <= '9';
}
bool IsZeroOrSpace(char c) {
    return c == '0' || c == ' ';
}

// "%.2f" of a non-negative value: integer digits and the two decimals.
struct TFixed {
    std::string integers;
    std::string decimals;
};

TFixed FormatFixed(double x) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, 2);
    const std::string text(buffer.data(), result.ptr);
    const std::size_t point = text.find('.');
    return {text.substr(0, point), text.substr(point + 1)};
}

std::string PadLeft(std::string_view digits, std::size_t width) {
    return std::string(width > digits.size() ? width - digits.size() : 0, ' ') +
           std::string(digits);
}

std::string Billions(std::string_view places) {
    const std::string b = PadLeft(places, 3);
    const int value = Digit(b[0]) * 100 + Digit(b[1]) * 10 + Digit(b[2]);
    switch (value) {
        case 1:
            return kBillionOne;
        case 2:
            return kBillionTwo;
        case 3:
        case 4:
            return Units(b[2], TForm::Masculine) + kBillionsFew;
        default:
            return Hundreds(b[0]) + Tens(b[1], b[2], TForm::Masculine) + kBillionsMany;
    }
}

}  // namespace

bool IsReadableNumber(double x) {
    if (!(x > -1e13 && x < 1e13)) {  // also NaN
        return false;
    }
    return FormatFixed(x < 0 ? -x : x).integers.size() <= kMaxIntegers;
}

std::string Units(char place, TForm form) {
    const int digit = Digit(place);
    return form == TForm::Feminine ? kUnitsFeminine[digit] : kUnitsMasculine[digit];
}

std::string Hundreds(char place) {
    const TTensRow& row = kHundreds[Digit(place)];
    return std::string(row.first) + row.ending;
}

std::string Tens(char tensPlace, char unitsPlace, TForm form) {
    const int tens = Digit(tensPlace);
    if (tens == 0) {
        return Units(unitsPlace, form);
    }
    if (tens == 1) {
        return std::string(kTeens[Digit(unitsPlace)]) + (Digit(unitsPlace) == 0 ? kTen : kTeen);
    }
    return std::string(kTens[tens].first) + kTens[tens].ending + Units(unitsPlace, form);
}

std::string ReadGroups(std::string_view places) {
    std::string d = PadLeft(places.substr(0, kPlaces), kPlaces);
    std::string words = Hundreds(d[0]);

    // Millions.
    d[1] = d[1] == ' ' ? '0' : d[1];
    d[2] = d[2] == ' ' ? '0' : d[2];
    const int millions = Digit(d[1]) * 10 + Digit(d[2]);
    if (millions == 0) {
        if (IsNonZeroDigit(d[0])) {
            words += std::string(kMillionStem) + kMillionsMany;
        }
    } else if (millions == 1) {
        words += Units(d[2], TForm::Masculine) + kMillionStem;  // no space: the next word follows
    } else if (millions <= 4) {
        words += Units(d[2], TForm::Masculine) + kMillionStem + kMillionsFew;
    } else if (millions <= 9) {
        words += Units(d[2], TForm::Masculine) + kMillionStem + kMillionsMany;
    } else {
        words += Tens(d[1], d[2], TForm::Masculine) + kMillionStem + kMillionsMany;
    }

    // Thousands.
    words += Hundreds(d[3]);
    words += Tens(d[4], d[5], TForm::Masculine);
    if ((d[5] == '2' || d[5] == '3' || d[5] == '4') && IsZeroOrSpace(d[4]) && IsZeroOrSpace(d[3])) {
        words += kThousands;
    } else if (IsNonZeroDigit(d[3]) || IsNonZeroDigit(d[4]) || IsNonZeroDigit(d[5])) {
        words += kThousand;
    }

    words += Hundreds(d[6]);
    words += Tens(d[7], d[8], TForm::Feminine);
    return words;
}

std::string NumberToWords(double x) {
    if (!IsReadableNumber(x)) {
        return {};
    }
    const TFixed fixed = FormatFixed(x < 0 ? -x : x);
    const bool roundsToZero =
        fixed.integers.find_first_not_of('0') == std::string::npos && fixed.decimals == "00";
    const std::string sign = x < 0 && !roundsToZero ? kMinus : "";

    std::string words;
    std::string_view integers = fixed.integers;
    if (integers.size() > kPlaces) {
        words = Billions(integers.substr(0, integers.size() - kPlaces));
        integers.remove_prefix(integers.size() - kPlaces);
    }
    words += ReadGroups(integers);
    if (fixed.decimals == "00") {
        return sign + words;
    }
    const std::string head = (words.empty() ? std::string(kZero) : words) + kPoint;
    return sign + head + ReadGroups(PadLeft(fixed.decimals, kPlaces));
}

}  // namespace vokadlo
