#include "tests/doubles/HeadlessEngine.h"

#include <filesystem>

#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"
#include "platform/Platform.h"
#include "tests/doubles/Doubles.h"

namespace vokadlo::test {

TSayText& HeadlessEngine(const std::string& name) {
    // Built before the engine, so that they outlive it until the engine's exit hook has run.
    static TMemoryResources resources;
    static TSilentPlayer player;
    static bool installed = false;
    if (!installed) {
        installed = true;
        const auto dir = std::filesystem::temp_directory_path() / ("vokadlo-" + name);
        std::filesystem::create_directories(dir);
        SetConfigDirOverride(dir);
        resources.Add("A", MakeRecording(std::vector<std::int16_t>(2721, 0)));
        TPlatform platform;
        platform.Resources = &resources;
        platform.Player = &player;
        platform.CreateSettingsStore = [] { return std::make_unique<TMemorySettingsStore>(); };
        SetPlatform(platform);
    }
    return GetSayText();
}

}  // namespace vokadlo::test
