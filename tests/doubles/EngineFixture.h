// A test fixture that runs the engine on doubles: a virtual clock, a recording player, memory
// resources and settings store. Every engine-wide setting is restored and the engine destroyed
// after each test.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/Doubles.h"
#include "tests/doubles/RecordingPlayer.h"
#include "tests/doubles/VirtualClock.h"

namespace vokadlo::test {

class EngineFixture : public ::testing::Test {
  protected:
    struct TReport {
        std::string text;
        bool hasStream;
        std::int64_t at;
    };

    EngineFixture() : player(clock) {
        // A private configuration folder: the engine creates its dictionary file there.
        configDir = std::filesystem::temp_directory_path() /
                    ("vokadlo-test-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(configDir);
        SetConfigDirOverride(configDir);
        resources.Add("A", MakeRecording(std::vector<std::int16_t>(2721, 0)));
        TPlatform platform;
        platform.Player = &player;
        platform.Timers = &clock;
        platform.Notice = &notice;
        platform.Resources = &resources;
        platform.CreateSettingsStore = [this] {
            auto store = std::make_unique<TMemorySettingsStore>();
            store->values = storeValues;
            lastStore = store.get();
            return std::unique_ptr<ISettingsStore>(std::move(store));
        };
        SetPlatform(platform);
    }

    ~EngineFixture() override {
        FinalizeEngine();
        SetPlatform(TPlatform{});
        SetConfigDirOverride({});
        std::error_code ignored;  // a folder left behind does no harm
        std::filesystem::remove_all(configDir, ignored);
    }

    // Installs a callback that records every report.
    void RecordReports() {
        SetSayCallback([this](const std::string& text, const TMemoryStream* stream) {
            reports.push_back({text, stream != nullptr, clock.Now()});
        });
    }

    std::filesystem::path configDir;
    TSettingsGuard settingsGuard;
    TVirtualClock clock;
    TRecordingPlayer player;
    TRecordingNotice notice;
    TMemoryResources resources;
    std::map<std::string, TMemorySettingsStore::TValue> storeValues;
    TMemorySettingsStore* lastStore = nullptr;
    std::vector<TReport> reports;
};

}  // namespace vokadlo::test
