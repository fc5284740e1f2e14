// Applying pronunciation rows "key=value" to a chunk text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/ReplaceAll.h"

namespace vokadlo {

// A row's value keeps at most this many characters.
inline constexpr std::size_t kRowValueLimit = 255;

struct TRowParts {
    std::string_view key;
    std::string_view value;
};

// Key (before the first "=") and value (at most kRowValueLimit characters after it) of a
// usable row: one with "=" after at least one character. Views into `row`.
std::optional<TRowParts> SplitRow(std::string_view row);

// Rows a host hands over (the window's dictionary page): each usable row's key lower-cased,
// since the chunk text is lower-cased before the rows are applied; values stay as given.
std::vector<std::string> WithLowerCasedKeys(std::vector<std::string> rows);

// Applies every usable row in list order, each as one ReplaceAll, until the text has grown
// past kRewriteLimit: the row that takes it there stops at once, and later rows are not
// applied. Allocates.
std::string ApplyRows(std::string s, const std::vector<std::string>& rows);

// The chunk cleaned of leading spaces and line breaks (line breaks inside become spaces),
// then the user rows and then the built-in rows, each list only while the text is not blank,
// both bounded together by kRewriteLimit as ApplyRows is.
std::string ApplyDictionaries(std::string_view chunk, const std::vector<std::string>& userRows,
                              const std::vector<std::string>& builtInRows);

}  // namespace vokadlo
