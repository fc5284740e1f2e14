// Reading the user dictionary file.
#pragma once

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

// The rows of a dictionary file, lower-cased. Throws std::runtime_error when the file cannot
// be opened or read (also when it does not exist).
std::vector<std::string> ReadDictionaryFile(const std::filesystem::path& file);

}  // namespace vokadlo
