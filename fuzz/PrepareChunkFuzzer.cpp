// Fuzz target: any bytes as a text, prepared chunk by chunk until it is used up. The first
// byte chooses word mode and the decimal separator; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/EngineSettings.h"
#include "engine/OrvTts.h"
#include "engine/ParseInt.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/Doubles.h"

namespace {

using namespace vokadlo;

class TSilentPlayer final : public ISoundPlayer {
  public:
    bool PlaySound(const std::uint8_t*, std::size_t, int) override { return true; }
    void Stop() override {}
};

// The engine is built once, over a voice of one silent recording and a private dictionary.
TSayText& FuzzEngine() {
    // Built before the engine, so that they outlive it until the engine's exit hook ran.
    static test::TMemoryResources resources;
    static TSilentPlayer player;
    static bool installed = false;
    if (!installed) {
        installed = true;
        const auto dir = std::filesystem::temp_directory_path() / "vokadlo-fuzz";
        std::filesystem::create_directories(dir);
        SetConfigDirOverride(dir);
        resources.Add("A", test::MakeRecording(std::vector<std::int16_t>(2721, 0)));
        TPlatform platform;
        platform.Resources = &resources;
        platform.Player = &player;
        SetPlatform(platform);
    }
    return GetSayText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    TSettingsGuard guard;
    TSayText& engine = FuzzEngine();
    Settings.DecimalSeparator = (data[0] & 1) ? ',' : '.';
    engine.WordMode = (data[0] & 2) != 0;
    engine.PendingText.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    engine.TextRestart = true;
    // Every preparation cuts at least one character, and a text's end marker adds at most
    // seven more for every 120 cut: this bound is never reached by a sound cutter.
    const std::size_t bound = 2 * size + 16;
    for (std::size_t step = 0; step < bound; ++step) {
        engine.ChunkReady = false;
        try {
            engine.PrepareChunk();
        } catch (const EConvertError&) {
            // An unreadable tag value ends the chunk's preparation by design; go on.
        }
        if (engine.PendingText.empty() || engine.PendingText == kEndMarker) {
            return 0;
        }
    }
    __builtin_trap();  // the text was never used up
}
