// Guarded repeated replacement of one key by one value in a text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vokadlo {

// A replacement stops once the text has grown past this many bytes.
inline constexpr std::size_t kReplaceGrowthLimit = std::size_t{1} << 20;

// Replaces the first occurrence of `key` in `s` by `value`, searching again from the start
// after every replacement, until no occurrence is left (exact byte comparison). Returns `s`
// unchanged when `key` is empty, equals `value` or occurs inside `value`. Refuses the first
// replacement that would take the text past both kReplaceGrowthLimit and the length of `s`,
// and stops there (also after as many replacements as that length). Allocates the result.
std::string ReplaceAll(std::string_view s, std::string_view key, std::string_view value);

}  // namespace vokadlo
