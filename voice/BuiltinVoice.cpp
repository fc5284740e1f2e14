#include "voice/BuiltinVoice.h"

#include <algorithm>

#include "voice/EmbeddedWavs.h"

namespace vokadlo {
namespace {

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

class TBuiltinVoice final : public IResourceStore {
  public:
    std::optional<std::span<const std::uint8_t>> FindWav(std::string_view name) const override {
        for (const TEmbeddedWav& wav : EmbeddedWavs()) {
            if (SameIgnoringAsciiCase(wav.name, name)) {
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
