// The user dictionary file and the built-in pronunciation table of the engine.
#include <fstream>
#include <system_error>

#include "core/CodePage.h"
#include "engine/DictionaryFile.h"
#include "engine/DosFileTime.h"
#include "engine/PronunciationTable.h"
#include "engine/SayText.h"
#include "platform/ConfigDir.h"
#include "platform/ConfigFile.h"
#include "platform/Platform.h"

namespace vokadlo {

namespace {

// The rows of the user dictionary, or none when it cannot be read: then the user hears why once
// (a folder that is no folder is named as the settings store names it) and speech goes on.
std::vector<std::string> ReadOrTell(const std::filesystem::path& file) {
    try {
        return ReadDictionaryFile(file);
    } catch (const std::runtime_error& e) {
        const std::string folder = FolderProblem(file.parent_path());
        const std::string problem =
            folder.empty() ? std::string(e.what()) + " (speaking without its rows)" : folder;
        if (FirstTimeToSay(problem)) {
            PlatformNotice().Show(Utf8ToCp1250(problem));
        }
        return {};
    }
}

}  // namespace

void TSayText::LoadUserDictionary() {
    DictionaryFileName = ConfigDir() / (std::string(kConfigBaseName) + ".dct");
    UserDictionary.clear();
    std::error_code error;
    const bool exists = std::filesystem::exists(DictionaryFileName, error);
    if (!exists && !error) {
        std::ofstream created(DictionaryFileName, std::ios::binary);  // failure is not reported
    } else {
        // A file that exists but cannot be read (or whose state is unknown) is left alone,
        // never overwritten.
        UserDictionary = ReadOrTell(DictionaryFileName);
    }
    DictionaryFileAge = FileAge(DictionaryFileName);
}

void TSayText::ReloadUserDictionaryIfChanged() {
    const std::int32_t age = FileAge(DictionaryFileName);
    if (age == DictionaryFileAge) {
        return;
    }
    // The new age is kept even when reading fails, so a file gone or unreadable is not retried
    // until it changes again; speech goes on without its rows.
    DictionaryFileAge = age;
    UserDictionary = ReadOrTell(DictionaryFileName);
}

void TSayText::BuildPronunciationTable() {
    PronunciationTable = LowerCasedPronunciationRows();
}

}  // namespace vokadlo
