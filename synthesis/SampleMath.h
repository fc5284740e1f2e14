// Reading, writing, rounding and saturating 16-bit little-endian samples in byte buffers.
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

// Clamps to the 16-bit range: loud samples are held at full scale instead of wrapping round.
inline std::int32_t SaturateSample(std::int64_t x) {
    return x > INT16_MAX ? INT16_MAX : (x < INT16_MIN ? INT16_MIN : static_cast<std::int32_t>(x));
}

// Rounds to the nearest integer, ties to even, and clamps to the 16-bit range; NaN gives 0.
// Adding and taking away 1.5 x 2^52 rounds in the FPU's default mode without a library call,
// which matters in the per-sample loops.
inline std::int32_t RoundToSample(double x) {
    if (x >= INT16_MAX) {
        return INT16_MAX;
    }
    if (x <= INT16_MIN) {
        return INT16_MIN;
    }
    if (x != x) {
        return 0;
    }
    constexpr double kShifter = 6755399441055744.0;
    return static_cast<std::int32_t>((x + kShifter) - kShifter);
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
