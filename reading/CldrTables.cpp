// Lookups in the tables that tools/cldr/generate.py writes into CldrData.inc.
#include "reading/CldrTables.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace vokadlo {
namespace {

// A spelling and the row of its table it names.
struct TKey {
    std::string_view spelling;
    std::size_t row;
};

#include "reading/CldrData.inc"

template <std::size_t N>
const TKey* FindKey(const TKey (&keys)[N], std::string_view spelling) {
    auto at = std::lower_bound(std::begin(keys), std::end(keys), spelling,
                               [](const TKey& k, std::string_view s) { return k.spelling < s; });
    return at != std::end(keys) && at->spelling == spelling ? at : nullptr;
}

constexpr std::size_t LongestSymbol() {
    std::size_t longest = 0;
    for (const TSymbolName& s : kSymbols) {
        longest = std::max(longest, s.utf8.size());
    }
    return longest;
}

}  // namespace

const TUnitName* FindUnit(std::string_view abbreviation) {
    const TKey* key = FindKey(kUnitKeys, abbreviation);
    return key ? &kUnits[key->row] : nullptr;
}

const TCurrencyName* FindCurrency(std::string_view symbol) {
    const TKey* key = FindKey(kCurrencyKeys, symbol);
    return key ? &kCurrencies[key->row] : nullptr;
}

std::string_view MonthGenitive(int month) {
    return month >= 1 && month <= 12 ? kMonthGenitive[month - 1] : std::string_view();
}

const TLetterSpelling* FindLetter(char32_t codePoint) {
    auto at =
        std::lower_bound(std::begin(kLetters), std::end(kLetters), codePoint,
                         [](const TLetterSpelling& l, char32_t cp) { return l.codePoint < cp; });
    return at != std::end(kLetters) && at->codePoint == codePoint ? at : nullptr;
}

const TSymbolName* FindSymbol(std::string_view utf8) {
    // Tries each prefix that ends on a character boundary, longest first.
    constexpr std::size_t kLongest = LongestSymbol();
    for (std::size_t length = std::min(utf8.size(), kLongest); length > 0; --length) {
        if (length < utf8.size() && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) {
            continue;
        }
        std::string_view prefix = utf8.substr(0, length);
        auto at =
            std::lower_bound(std::begin(kSymbols), std::end(kSymbols), prefix,
                             [](const TSymbolName& s, std::string_view p) { return s.utf8 < p; });
        if (at != std::end(kSymbols) && at->utf8 == prefix) {
            return at;
        }
    }
    return nullptr;
}

}  // namespace vokadlo
