#include "platform/RegSettingsStore.h"

#include "core/CodePage.h"
#include "platform/AtomicFile.h"
#include "platform/ConfigDir.h"
#include "platform/ConfigFile.h"
#include "platform/Platform.h"

namespace vokadlo {
namespace {

// The file's values; a file that cannot be read is a store without values, said once.
TRegFile Load(const std::filesystem::path& file) {
    const TConfigFileRead read = ReadConfigFile(file);
    if (read.problem.empty()) {
        return TRegFile::Parse(read.bytes ? *read.bytes : std::string());
    }
    std::string problem = FolderProblem(file.parent_path());
    problem = problem.empty() ? read.problem + " (the settings store is left out)" : problem;
    if (FirstTimeToSay(problem)) {
        PlatformNotice().Show(Utf8ToCp1250(problem));
    }
    return TRegFile::Parse(read.bytes ? *read.bytes : std::string());
}

}  // namespace

TRegSettingsStore::TRegSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path TRegSettingsStore::DefaultFile() {
    return ConfigDir() / "settings.reg";
}

bool TRegSettingsStore::OpenKey(const std::string& key) {
    section_ = std::string(kRegRoot) + (key.starts_with("\\") ? "" : "\\") + key;
    return true;
}

void TRegSettingsStore::CloseKey() {
    section_.clear();
}

std::optional<TRegValue> TRegSettingsStore::Find(const std::string& name) {
    if (section_.empty()) {
        return std::nullopt;
    }
    return Load(file_).Find(section_, name);
}

std::int32_t TRegSettingsStore::ReadInteger(const std::string& name) {
    const auto value = Find(name);
    if (!value || !std::holds_alternative<std::uint32_t>(*value)) {
        throw ESettingsStoreError(file_.string() + ": no integer value \"" + name + "\"");
    }
    return static_cast<std::int32_t>(std::get<std::uint32_t>(*value));
}

std::string TRegSettingsStore::ReadString(const std::string& name) {
    const auto value = Find(name);
    if (!value) {
        return {};
    }
    if (const auto* text = std::get_if<TRegText>(&*value)) {
        return Utf8ToCp1250(text->utf8);
    }
    throw ESettingsStoreError(file_.string() + ": \"" + name + "\" is not a text value");
}

void TRegSettingsStore::Write(const std::string& name, const TRegValue& value) {
    if (section_.empty()) {
        throw ESettingsStoreError("no settings key is open");
    }
    std::filesystem::path lockPath = file_;
    lockPath += ".lock";
    if (const std::string problem = FolderProblem(file_.parent_path()); !problem.empty()) {
        throw ESettingsStoreError(problem);
    }
    const TFileLock lock(lockPath);
    if (!lock.Locked()) {
        throw ESettingsStoreError(lock.Problem());
    }
    const TConfigFileRead read = ReadConfigFile(file_);
    if (!read.problem.empty()) {
        throw ESettingsStoreError(read.problem);  // never overwrite blindly
    }
    TRegFile reg = TRegFile::Parse(read.bytes ? *read.bytes : std::string());
    reg.Set(section_, name, value);
    std::string error;
    if (!WriteFileAtomically(file_, reg.Serialize(), error)) {
        throw ESettingsStoreError(error);
    }
}

void TRegSettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
    Write(name, static_cast<std::uint32_t>(value));
}

void TRegSettingsStore::WriteText(const std::string& name, const std::string& utf8) {
    Write(name, TRegText{utf8, false});
}

std::vector<TRegEntry> TRegSettingsStore::List() {
    if (section_.empty()) {
        return {};
    }
    return Load(file_).List(section_);
}

}  // namespace vokadlo
