// The user dictionary file and the built-in pronunciation table of the engine.
#include <fstream>
#include <system_error>

#include "engine/DictionaryFile.h"
#include "engine/DosFileTime.h"
#include "engine/PronunciationTable.h"
#include "engine/SayText.h"
#include "platform/ConfigDir.h"
#include "platform/Platform.h"

namespace vokadlo {

void TSayText::LoadUserDictionary() {
    DictionaryFileName = ConfigDir() / (std::string(kConfigBaseName) + ".dct");
    UserDictionary.clear();
    std::error_code error;
    const bool exists = std::filesystem::exists(DictionaryFileName, error);
    if (!exists && !error) {
        std::ofstream created(DictionaryFileName, std::ios::binary);  // failure is not reported
    } else {
        try {
            UserDictionary = ReadDictionaryFile(DictionaryFileName);
        } catch (const std::runtime_error& e) {
            // A file that exists but cannot be read (or whose state is unknown) is left alone,
            // never overwritten; the engine works with no user rows, and says so once.
            PlatformNotice().Show(std::string(e.what()) + " (speaking without its rows)");
        }
    }
    DictionaryFileAge = FileAge(DictionaryFileName);
}

void TSayText::ReloadUserDictionaryIfChanged() {
    const std::int32_t age = FileAge(DictionaryFileName);
    if (age == DictionaryFileAge) {
        return;
    }
    // The new age is kept even when reading fails, so a missing file is not retried until it
    // changes again; the error ends the chunk's preparation.
    DictionaryFileAge = age;
    UserDictionary = ReadDictionaryFile(DictionaryFileName);
}

void TSayText::BuildPronunciationTable() {
    PronunciationTable = LowerCasedPronunciationRows();
}

}  // namespace vokadlo
