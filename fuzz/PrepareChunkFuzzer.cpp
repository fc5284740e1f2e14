// Fuzz target: any bytes as a text, prepared chunk by chunk until it is used up. The first
// byte chooses word mode and the decimal separator; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/EngineSettings.h"
#include "core/ParseInt.h"
#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/HeadlessEngine.h"

namespace {

using namespace vokadlo;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    TSettingsGuard guard;
    TSayText& engine = test::HeadlessEngine("fuzz");
    Settings.DecimalSeparator = (data[0] & 1) ? ',' : '.';
    engine.WordMode = (data[0] & 2) != 0;
    engine.PendingText = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
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
