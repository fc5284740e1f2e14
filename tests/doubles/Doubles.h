// Small test doubles: notices, resources and a settings store kept in memory.
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "core/MemoryStream.h"
#include "core/ResourceStore.h"
#include "platform/Notice.h"
#include "platform/SettingsStore.h"

namespace vokadlo::test {

class TRecordingNotice final : public INotice {
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

// Resources by upper-case name.
class TMemoryResources final : public IResourceStore {
  public:
    std::optional<std::span<const std::uint8_t>> FindWav(std::string_view name) const override;
    void Add(std::string name, TMemoryStream bytes);

  private:
    std::map<std::string, TMemoryStream> wavs_;
    std::vector<TMemoryStream> replaced_;
};

// A settings store with typed values; `failWrites` makes writes fail.
class TMemorySettingsStore final : public ISettingsStore {
  public:
    struct TExpandable {
        std::string text;
    };
    using TValue = std::variant<std::int32_t, std::string, TExpandable>;

    bool OpenKey(const std::string& key) override {
        openedKey = key;
        return openable;
    }
    void CloseKey() override { closed = true; }
    std::int32_t ReadInteger(const std::string& name) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;
    std::string ReadString(const std::string& name) override;

    std::map<std::string, TValue> values;
    bool openable = true;
    bool failWrites = false;
    bool closed = false;
    std::string openedKey;
    std::vector<std::string> reads;  // names read, in order
};

// A minimal recording: 44-byte header, the given samples, 74-byte trailing chunk.
TMemoryStream MakeRecording(const std::vector<std::int16_t>& samples);

}  // namespace vokadlo::test
