#include "engine/DictionaryRows.h"

#include "core/CodePage.h"
#include "text/ReplaceAll.h"
#include "text/WordConversion.h"

namespace vokadlo {

std::optional<TRowParts> SplitRow(std::string_view row) {
    const std::size_t equals = row.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return std::nullopt;
    }
    return TRowParts{row.substr(0, equals), row.substr(equals + 1, kRowValueLimit)};
}

std::vector<std::string> WithLowerCasedKeys(std::vector<std::string> rows) {
    for (std::string& row : rows) {
        if (const auto parts = SplitRow(row)) {
            const std::size_t keySize = parts->key.size();
            row.replace(0, keySize, LowerCase(parts->key));
        }
    }
    return rows;
}

std::string ApplyRows(std::string s, const std::vector<std::string>& rows) {
    for (const std::string& row : rows) {
        if (s.size() > kRewriteLimit) {
            break;  // rows that feed each other: the text stays as they left it
        }
        if (const auto parts = SplitRow(row)) {
            if (s.find(parts->key) != std::string::npos) {
                s = ReplaceAll(s, parts->key, parts->value);
            }
        }
    }
    return s;
}

std::string ApplyDictionaries(std::string_view chunk, const std::vector<std::string>& userRows,
                              const std::vector<std::string>& builtInRows) {
    std::string s = CleanChunkText(chunk);
    if (!IsBlank(s)) {
        s = ApplyRows(std::move(s), userRows);
    }
    if (!IsBlank(s)) {
        s = ApplyRows(std::move(s), builtInRows);
    }
    return s;
}

}  // namespace vokadlo
