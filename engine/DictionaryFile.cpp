#include "engine/DictionaryFile.h"

#include <algorithm>
#include <stdexcept>

#include "core/CodePage.h"
#include "platform/ConfigFile.h"

namespace vokadlo {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string DictionaryBytesToCp1250(std::string_view bytes) {
    const bool nonAscii = std::any_of(bytes.begin(), bytes.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return nonAscii && IsValidUtf8(bytes) ? Utf8ToCp1250(bytes) : std::string(bytes);
}

std::vector<std::string> ReadDictionaryFile(const std::filesystem::path& file) {
    const TConfigFileRead read = ReadConfigFile(file, kDictionaryFileLimit);
    if (!read.bytes) {
        throw std::runtime_error(read.problem.empty() ? file.string() + ": no such file"
                                                      : read.problem);
    }
    std::vector<std::string> rows = SplitLines(DictionaryBytesToCp1250(*read.bytes));
    for (std::string& row : rows) {
        row = LowerCase(row);
    }
    return rows;
}

}  // namespace vokadlo
