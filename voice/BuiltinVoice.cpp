#include "voice/BuiltinVoice.h"

#include "core/CodePage.h"
#include "voice/EmbeddedWavs.h"

namespace vokadlo {
namespace {

class TBuiltinVoice final : public IResourceStore {
  public:
    std::optional<std::span<const std::uint8_t>> FindWav(std::string_view name) const override {
        for (const TEmbeddedWav& wav : EmbeddedWavs()) {
            if (EqualsIgnoringAsciiCase(wav.name, name)) {
                return wav.bytes;
            }
        }
        return std::nullopt;
    }
};

}  // namespace

const IResourceStore& BuiltinVoice() {
    static const TBuiltinVoice voice;
    return voice;
}

}  // namespace vokadlo
