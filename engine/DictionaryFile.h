// Reading the user dictionary file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo {

// Splits a text into lines ending at CR LF, CR or LF; a last line without an ending counts,
// an ending at the very end adds no empty line. Allocates.
std::vector<std::string> SplitLines(std::string_view text);

// Brings a dictionary file's bytes to code page 1250: bytes that are valid UTF-8 with at
// least one non-ASCII character are converted, anything else is taken as code page 1250.
std::string DictionaryBytesToCp1250(std::string_view bytes);

// The largest user dictionary read (a hundred thousand rows and more); a larger file is refused.
inline constexpr std::uint64_t kDictionaryFileLimit = std::uint64_t{4} << 20;

// The rows of a dictionary file, lower-cased. Throws std::runtime_error naming the file and the
// reason when it cannot be read: also when it does not exist, is no regular file (a FIFO is
// never opened) or is larger than kDictionaryFileLimit.
std::vector<std::string> ReadDictionaryFile(const std::filesystem::path& file);

}  // namespace vokadlo
