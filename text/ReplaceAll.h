// Guarded repeated replacement of one key by one value in a text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vokadlo {

// The rewriting of one chunk's text stops once the text has grown past this many bytes.
inline constexpr std::size_t kRewriteLimit = std::size_t{4} << 10;

// Replaces the first occurrence of `key` in `s` by `value`, searching again from the start
// after every replacement, until no occurrence is left (exact byte comparison). Returns `s`
// unchanged when `key` is empty, equals `value` or occurs inside `value`. Stops, leaving the
// rest as it is, after the first replacement that takes the text past both `limit` and the
// length of `s` (also after as many replacements as that bound). Allocates the result.
std::string ReplaceAll(std::string_view s, std::string_view key, std::string_view value,
                       std::size_t limit = kRewriteLimit);

}  // namespace vokadlo
