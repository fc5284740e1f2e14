// Reading the format and declared data of an in-memory WAV image, as a player needs them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vokadlo {

struct TWavData {
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::uint16_t bitsPerSample = 0;
    const std::uint8_t* data = nullptr;  // into the image
    std::size_t bytes = 0;               // declared data size, cut to the bytes present
};

// Reads a canonical 44-byte header (format at 20..35, "data" at 36, size at 40). The RIFF size
// is not checked; a declared data size larger than the image is cut to what is present.
// nullopt when the image is not a 16-bit PCM WAV image.
std::optional<TWavData> ReadWavData(const std::uint8_t* image, std::size_t size);

}  // namespace vokadlo
