#include "text/WordRows.h"

#include "text/ReplaceAll.h"

namespace vokadlo {

const std::array<TWordRow, 10> kDigitNames = {{
    {"1", " jedna"},
    {"2", " dvje"},
    {"3", " t\xF8i"},       // tři
    {"4", " \xE8ty\xF8i"},  // čtyři
    {"5", " pjet"},
    {"6",
     " \x9A"
     "est"},  // šest
    {"7", " sedm"},
    {"8", " osum"},
    {"9", " devjet"},
    {"0", " nula"},
}};

const std::array<TWordRow, 6> kSymbolNames = {{
    {":", " "},
    {"\"", " "},
    {"&", " and "},
    {"p\xEC", "pje"},  // pě
    {"/", " lomeno"},
    {"+", " plus"},
}};

namespace {

template <std::size_t N>
std::string ApplyRows(std::string_view s, const std::array<TWordRow, N>& rows) {
    std::string text(s);
    for (const TWordRow& row : rows) {
        text = ReplaceAll(text, row.key, row.value);
    }
    return text;
}

}  // namespace

std::string ReadDigits(std::string_view s) {
    return ApplyRows(s, kDigitNames);
}

std::string ReadSymbols(std::string_view s) {
    return ApplyRows(s, kSymbolNames);
}

}  // namespace vokadlo
