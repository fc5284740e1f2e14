// The built-in pronunciation rows: foreign words, abbreviations, key names, English spelling
// patterns and a few Czech letter groups, as "key=value" in code page 1250.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo {

inline constexpr std::size_t kPronunciationRowCount = 118;

// The rows as written, in the order they are applied (before lower-casing).
extern const std::array<std::string_view, kPronunciationRowCount> kPronunciationRows;

// The rows lower-cased, ready to apply. Allocates.
std::vector<std::string> LowerCasedPronunciationRows();

}  // namespace vokadlo
