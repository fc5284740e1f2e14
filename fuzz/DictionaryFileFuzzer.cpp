// Fuzz target: any bytes as the user dictionary file, loaded as the engine loads it and applied
// with the built-in rows to a few words and to the file's own first bytes. However the rows feed
// each other, a chunk's rewritten text stays within the rewrite limit and one row's value.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/DictionaryFile.h"
#include "engine/DictionaryRows.h"
#include "engine/PronunciationTable.h"
#include "fuzz/TempFolder.h"

namespace {

using namespace vokadlo;

void Check(const std::string& chunk, const std::vector<std::string>& rows,
           const std::vector<std::string>& builtIn) {
    const std::string s = ApplyDictionaries(chunk, rows, builtIn);
    if (s.size() > kRewriteLimit + kRowValueLimit) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TTempFolder temp("dictionary");
    const std::filesystem::path file = temp.path / "vokadlo.dct";
    static const std::vector<std::string> builtIn = LowerCasedPronunciationRows();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<std::string> rows = ReadDictionaryFile(file);
    for (const char* word : {"a", "ahoj ", "chip windows ", "x"}) {
        Check(word, rows, builtIn);
    }
    const std::string_view head(reinterpret_cast<const char*>(data),
                                std::min<std::size_t>(size, 120));
    Check(DictionaryBytesToCp1250(head), rows, builtIn);
    return 0;
}
