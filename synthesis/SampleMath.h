// Reading and writing 16-bit little-endian samples in byte buffers, and their rounded mean.
#pragma once

#include <cstdint>

namespace vokadlo {

// Sample at byte `p` (two bytes, little-endian).
inline std::int16_t LoadSample(const std::uint8_t* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

// Writes `value` at byte `p` (two bytes, little-endian).
inline void StoreSample(std::uint8_t* p, std::int32_t value) {
    const auto v = static_cast<std::uint16_t>(value);
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Round((a + b) / 2) with ties to even; always a 16-bit value for 16-bit a and b.
inline std::int32_t RoundedMean(std::int32_t a, std::int32_t b) {
    const std::int32_t sum = a + b;
    std::int32_t half = sum >> 1;  // floor
    if ((sum & 1) != 0 && (half & 1) != 0) {
        ++half;
    }
    return half;
}

}  // namespace vokadlo
