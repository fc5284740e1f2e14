// Digits left inside words and a few symbols, read as words. Code page 1250.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vokadlo {

struct TWordRow {
    const char* key;
    const char* value;
};

// "1" " jedna" ... "0" " nula", in the order they are applied.
extern const std::array<TWordRow, 10> kDigitNames;
// ":", the double quote, "&", "pě", "/", "+", in the order they are applied.
extern const std::array<TWordRow, 6> kSymbolNames;

// Applies the digit-name rows to `s`, each as one ReplaceAll. Allocates.
std::string ReadDigits(std::string_view s);

// Applies the symbol rows to `s`, each as one ReplaceAll. Allocates.
std::string ReadSymbols(std::string_view s);

}  // namespace vokadlo
