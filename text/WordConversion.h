// The conversions of one chunk's word after the dictionaries: numbers, digits, symbols, the
// leading "_" and spelling. Each stage takes and returns the text (code page 1250) and
// allocates the result.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vokadlo {

// Removes leading spaces, line feeds and carriage returns, then turns every line feed and
// carriage return into a space.
std::string CleanChunkText(std::string_view chunk);

// A word that is a number becomes its words ("0" when they are empty). With "," as
// `decimalSeparator`, a word that is a number once its spaces are dropped and its commas read
// as points becomes the words of that number.
std::string ConvertNumber(std::string_view s, char decimalSeparator);

// Drops a leading "_".
std::string DropLeadingUnderscore(std::string_view s);

// Numbers, digit names, symbol names, the leading "_" and spelling, in that order; `pending`
// is the text after the chunk.
// `lastBackslash` as for SpellWord.
std::string ConvertWord(std::string_view word, std::string_view pending, char decimalSeparator,
                        std::optional<std::size_t> lastBackslash = std::nullopt);

}  // namespace vokadlo
