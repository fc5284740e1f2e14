// The settings store as a registry export file ("settings.reg" in the configuration folder):
// one section per voice key, 32-bit integers as dword values, texts as strings, so that types
// survive and a person can edit it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/RegFile.h"
#include "platform/SettingsStore.h"

namespace vokadlo {

// The machine root the engine's keys live under.
inline constexpr const char* kRegRoot = "HKEY_LOCAL_MACHINE";

class TRegSettingsStore final : public ISettingsStore {
  public:
    explicit TRegSettingsStore(std::filesystem::path file);

    // The store file of the configuration folder.
    static std::filesystem::path DefaultFile();

    bool OpenKey(const std::string& key) override;
    void CloseKey() override;
    // Reads the file afresh at each call: another program may have changed it.
    std::int32_t ReadInteger(const std::string& name) override;
    // Rewrites the file atomically under an advisory lock, keeping every other line.
    void WriteInteger(const std::string& name, std::int32_t value) override;
    // Texts are UTF-8 in the file and code page 1250 here.
    std::string ReadString(const std::string& name) override;

    // For the settings tool: every value of the open key, and writing a UTF-8 text.
    std::vector<TRegEntry> List();
    void WriteText(const std::string& name, const std::string& utf8);
    const std::string& Section() const { return section_; }

  private:
    std::optional<TRegValue> Find(const std::string& name);
    void Write(const std::string& name, const TRegValue& value);

    std::filesystem::path file_;
    std::string section_;  // "HKEY_LOCAL_MACHINE\SOFTWARE\..." of the open key; empty when none
};

}  // namespace vokadlo
