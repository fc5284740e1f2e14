#include "text/WordRows.h"

#include <array>

#include "core/Cp1250Literal.h"
#include "text/ReplaceAll.h"

namespace vokadlo {
namespace {

struct TWordRow {
    std::string_view key;
    std::string_view value;
};

// Digits left inside a word, read one by one.
constexpr std::array<TWordRow, 10> kDigitNames = {{
    {"1"_cp, " jedna"_cp},
    {"2"_cp, " dvje"_cp},
    {"3"_cp, " tři"_cp},
    {"4"_cp, " čtyři"_cp},
    {"5"_cp, " pjet"_cp},
    {"6"_cp, " šest"_cp},
    {"7"_cp, " sedm"_cp},
    {"8"_cp, " osum"_cp},
    {"9"_cp, " devjet"_cp},
    {"0"_cp, " nula"_cp},
}};

constexpr std::array<TWordRow, 6> kSymbolNames = {{
    {":"_cp, " "_cp},
    {"\""_cp, " "_cp},
    {"&"_cp, " and "_cp},
    {"pě"_cp, "pje"_cp},
    {"/"_cp, " lomeno"_cp},
    {"+"_cp, " plus"_cp},
}};

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
