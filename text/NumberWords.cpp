#include "text/NumberWords.h"

#include <array>
#include <charconv>
#include <string_view>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"

namespace vokadlo {
namespace {

// Word tables, indexed by the digit (entry 0 unused where the digit 0 has no word).
constexpr std::array<std::string_view, 10> kUnits = {
    ""_cp,      "jedna "_cp, "dva "_cp,  "tři "_cp, "čtyři "_cp,
    "pjet "_cp, "šest "_cp,  "sedm "_cp, "osm "_cp, "devjet "_cp,
};
// The masculine form differs from the feminine one in the word of 1 only.
constexpr std::string_view kOneMasculine = "jeden "_cp;
// 10..19: first part, then kTen (10) or kTeen.
constexpr std::array<std::string_view, 10> kTeens = {
    "de "_cp,  "jede "_cp, "dva "_cp,  "tři "_cp, "čtr "_cp,
    "pat "_cp, "šest "_cp, "sedm "_cp, "osm "_cp, "devate "_cp,
};
constexpr std::string_view kTen = "set "_cp;
constexpr std::string_view kTeen = "náct "_cp;
// 20..90: first part and ending.
struct TTensRow {
    std::string_view first;
    std::string_view ending;
};
constexpr std::array<TTensRow, 10> kTens = {{
    {""_cp, ""_cp},
    {""_cp, ""_cp},
    {"dva "_cp, "cet "_cp},
    {"tři "_cp, "cet "_cp},
    {"čtyři "_cp, "cet "_cp},
    {"pa "_cp, "desát "_cp},
    {"še "_cp, "desát "_cp},
    {"sedm "_cp, "desát "_cp},
    {"osm "_cp, "desát "_cp},
    {"deva "_cp, "desát "_cp},
}};
// Hundreds: a word of its own, or the feminine unit word followed by the ending.
constexpr std::array<TTensRow, 10> kHundreds = {{
    {""_cp, ""_cp},
    {"sto "_cp, ""_cp},
    {"dvjesťe "_cp, ""_cp},
    {"tři "_cp, "sta "_cp},
    {"čtyři "_cp, "sta "_cp},
    {"pjet "_cp, "set "_cp},
    {"šest "_cp, "set "_cp},
    {"sedm "_cp, "set "_cp},
    {"osm "_cp, "set "_cp},
    {"devjet "_cp, "set "_cp},
}};
constexpr std::string_view kThousand = "tisíc "_cp;
constexpr std::string_view kThousands = "tisíce "_cp;
constexpr std::string_view kMillionStem = "milión"_cp;
constexpr std::string_view kMillionsFew = "y "_cp;
constexpr std::string_view kMillionsMany = "ů "_cp;
constexpr std::string_view kZero = "nula"_cp;
constexpr std::string_view kPoint = " celích "_cp;
constexpr std::string_view kMinus = "mínus "_cp;
// Billions: 1, 2, 3..4 and the rest.
constexpr std::string_view kBillionOne = "jedna miliarda "_cp;
constexpr std::string_view kBillionTwo = "dvje miliardy "_cp;
constexpr std::string_view kBillionsFew = "miliardy "_cp;
constexpr std::string_view kBillionsMany = "miliard "_cp;

constexpr std::size_t kPlaces = 9;        // integer places read by ReadGroups
constexpr std::size_t kMaxIntegers = 12;  // with the billions

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

// `head` followed by `tail`.
std::string Concat(std::string head, std::string_view tail) {
    head += tail;
    return head;
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
            return std::string(kBillionOne);
        case 2:
            return std::string(kBillionTwo);
        case 3:
        case 4:
            return Concat(Units(b[2], TForm::Masculine), kBillionsFew);
        default:
            return Concat(Hundreds(b[0]) + Tens(b[1], b[2], TForm::Masculine), kBillionsMany);
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
    return std::string(digit == 1 && form == TForm::Masculine ? kOneMasculine : kUnits[digit]);
}

std::string Hundreds(char place) {
    const TTensRow& row = kHundreds[Digit(place)];
    return Concat(std::string(row.first), row.ending);
}

std::string Tens(char tensPlace, char unitsPlace, TForm form) {
    const int tens = Digit(tensPlace);
    if (tens == 0) {
        return Units(unitsPlace, form);
    }
    if (tens == 1) {
        return Concat(std::string(kTeens[Digit(unitsPlace)]),
                      Digit(unitsPlace) == 0 ? kTen : kTeen);
    }
    return Concat(std::string(kTens[tens].first), kTens[tens].ending) + Units(unitsPlace, form);
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
            words += kMillionStem;
            words += kMillionsMany;
        }
    } else {
        words += millions <= 9 ? Units(d[2], TForm::Masculine) : Tens(d[1], d[2], TForm::Masculine);
        words += kMillionStem;
        if (millions > 1) {  // one million has no ending: the next word follows without a space
            words += millions <= 4 ? kMillionsFew : kMillionsMany;
        }
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
    const std::string sign(x < 0 && !roundsToZero ? kMinus : std::string_view());

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
    const std::string head = Concat(words.empty() ? std::string(kZero) : words, kPoint);
    return sign + head + ReadGroups(PadLeft(fixed.decimals, kPlaces));
}

}  // namespace vokadlo
