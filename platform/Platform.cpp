#include "platform/Platform.h"

namespace vokadlo {
namespace {

class TNullTimer final : public ITimer {
  public:
    void SetInterval(int) override {}
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Enabled() const override { return enabled_; }

  private:
    bool enabled_ = false;
};

class TNullTimers final : public ITimerFactory {
  public:
    std::unique_ptr<ITimer> CreateTimer(int, std::function<void()>) override {
        return std::make_unique<TNullTimer>();
    }
};

class TNullNotice final : public INotice {
  public:
    void Show(const std::string&) override {}
};

class TNoResources final : public IResourceStore {
  public:
    std::optional<std::span<const std::uint8_t>> FindWav(std::string_view) const override {
        return std::nullopt;
    }
};

class TEmptySettingsStore final : public ISettingsStore {
  public:
    bool OpenKey(const std::string&) override { return false; }
    void CloseKey() override {}
    std::int32_t ReadInteger(const std::string& name) override {
        throw ESettingsStoreError("no settings store: " + name);
    }
    void WriteInteger(const std::string& name, std::int32_t) override {
        throw ESettingsStoreError("no settings store: " + name);
    }
    std::string ReadString(const std::string&) override { return {}; }
};

TPlatform& Installed() {
    static TPlatform platform;
    return platform;
}

}  // namespace

void SetPlatform(const TPlatform& platform) {
    Installed() = platform;
}

ISoundPlayer& PlatformPlayer() {
    static TSilentPlayer null;
    return Installed().Player ? *Installed().Player : null;
}

ITimerFactory& PlatformTimers() {
    static TNullTimers null;
    return Installed().Timers ? *Installed().Timers : null;
}

INotice& PlatformNotice() {
    static TNullNotice null;
    return Installed().Notice ? *Installed().Notice : null;
}

const IResourceStore& PlatformResources() {
    static TNoResources null;
    return Installed().Resources ? *Installed().Resources : null;
}

std::unique_ptr<ISettingsStore> CreatePlatformSettingsStore() {
    if (Installed().CreateSettingsStore) {
        if (auto store = Installed().CreateSettingsStore()) {
            return store;
        }
    }
    return std::make_unique<TEmptySettingsStore>();
}

void ReportStepError(const std::string& message) {
    if (Installed().StepError) {
        Installed().StepError(message);
    }
}

}  // namespace vokadlo
