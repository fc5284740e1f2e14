// Fuzz target: any bytes as a host's text through the session, on the virtual clock, to the
// images. The first byte chooses word mode (bit 0), the plain-text switch (bit 1), UTF-8 or code
// page 1250 (bit 2), the decimal separator (bit 3) and linear intonation (bit 4); the rest is
// the text. Every image must be a WAV image whose data size is its length after the header.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/EngineSettings.h"
#include "engine/EngineSession.h"
#include "fuzz/TempFolder.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/Doubles.h"

namespace {

using namespace vokadlo;

class TQuietNotice final : public INotice {
  public:
    void Show(const std::string&) override {}
};

std::uint32_t Le32(const TMemoryStream& image, std::size_t at) {
    return image[at] | (image[at + 1] << 8) | (image[at + 2] << 16) |
           (static_cast<std::uint32_t>(image[at + 3]) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const TTempFolder configFolder("session");  // the engine's dictionary file goes there
    SetConfigDirOverride(configFolder.path);
    static TQuietNotice notice;
    TSettingsGuard guard;
    Settings.DecimalSeparator = (data[0] & 8) ? ',' : '.';

    TSessionConfig config;
    config.output = TSessionConfig::TOutput::Silent;
    config.notice = &notice;
    config.settingsStore = [] { return std::make_unique<test::TMemorySettingsStore>(); };
    TSessionEvents events;
    std::size_t chunks = 0;
    events.ChunkStarted = [&chunks](const TChunkStart& chunk) {
        ++chunks;
        const TMemoryStream& image = chunk.image;
        if (image.size() < 46 || Le32(image, 40) != image.size() - 46) {
            __builtin_trap();
        }
    };
    TEngineSession session(std::move(config), std::move(events));
    session.SetSeed(data[0]);
    session.SetPlainText((data[0] & 2) != 0);
    session.SetIntonation(true, (data[0] & 16) != 0);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const TTextEncoding encoding = (data[0] & 4) ? TTextEncoding::Utf8 : TTextEncoding::Cp1250;
    const bool started =
        (data[0] & 1) ? session.SpeakWord(text, encoding) : session.Speak(text, encoding);
    if (started) {
        session.RunUntilIdle();
    }
    if (session.Speaking()) {
        __builtin_trap();  // the text never came to an end
    }
    return 0;
}
