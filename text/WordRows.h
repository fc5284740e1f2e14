// Digits left inside words and a few symbols, read as words. Code page 1250.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// Replaces each digit of `s` by its name, one ReplaceAll per digit. Allocates.
std::string ReadDigits(std::string_view s);

// Replaces a few symbols (and one letter group) by words or spaces, one ReplaceAll per row.
// Allocates.
std::string ReadSymbols(std::string_view s);

}  // namespace vokadlo
