#include "platform/WavHeader.h"

#include <algorithm>
#include <cstring>

namespace vokadlo {
namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

std::optional<TWavData> ReadWavData(const std::uint8_t* image, std::size_t size) {
    if (!image || size < 44 || std::memcmp(image, "RIFF", 4) != 0 ||
        std::memcmp(image + 8, "WAVE", 4) != 0 || std::memcmp(image + 36, "data", 4) != 0) {
        return std::nullopt;
    }
    TWavData wav;
    const std::uint16_t format = Le16(image + 20);
    wav.channels = Le16(image + 22);
    wav.sampleRate = Le32(image + 24);
    wav.bitsPerSample = Le16(image + 34);
    if (format != 1 || wav.bitsPerSample != 16 || wav.channels == 0 || wav.sampleRate == 0) {
        return std::nullopt;
    }
    wav.data = image + 44;
    wav.bytes = std::min<std::size_t>(Le32(image + 40), size - 44);
    return wav;
}

}  // namespace vokadlo
