// Runs a per-sample operation over a byte buffer of 16-bit little-endian samples in blocks of
// native 16-bit values on the stack, so that the compiler can vectorise the inner loop (the bytes
// are copied in and out, which is well defined whatever the buffer's alignment).
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vokadlo {

inline constexpr std::size_t kSampleBlock = 256;

inline std::int16_t SwapBytes(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((u >> 8) | (u << 8)));
}

inline void BlockFromBytes(std::int16_t* block, const std::uint8_t* bytes, std::size_t count) {
    std::memcpy(block, bytes, 2 * count);
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < count; ++i) {
            block[i] = SwapBytes(block[i]);
        }
    }
}

inline void BlockToBytes(std::uint8_t* bytes, std::int16_t* block, std::size_t count) {
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < count; ++i) {
            block[i] = SwapBytes(block[i]);
        }
    }
    std::memcpy(bytes, block, 2 * count);
}

// Rounds ties to even for |x| <= 32768 without branches; callers clamp first.
inline std::int16_t RoundClamped(double x) {
    constexpr double kShifter = 6755399441055744.0;  // 1.5 x 2^52
    return static_cast<std::int16_t>(static_cast<std::int32_t>((x + kShifter) - kShifter));
}

inline double ClampToSampleRange(double x) {
    return std::min(std::max(x, -32768.0), 32767.0);
}

inline std::int16_t SaturatedSum(std::int16_t a, std::int16_t b) {
    return static_cast<std::int16_t>(std::clamp(a + b, -32768, 32767));
}

}  // namespace vokadlo
