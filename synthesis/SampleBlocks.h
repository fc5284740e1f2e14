// Per-sample kernels over byte buffers of 16-bit little-endian samples, written as simple counted
// loops without branches so that the compiler vectorises them. Each sample is read and written
// with a two-byte memcpy, which is well defined whatever the buffer's alignment and compiles to a
// plain load or store; only big-endian hosts swap the bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

// The kernels are also built for the wider vector units of x86-64 processors and the best one is
// picked when the program loads; every version rounds alike (the build turns off fused
// multiply-add). Defining VOKADLO_SAMPLE_KERNEL empty builds the portable version only.
#if !defined(VOKADLO_SAMPLE_KERNEL) && defined(__x86_64__) && defined(__GNUC__) && \
    defined(__has_attribute)
#if __has_attribute(target_clones)
#define VOKADLO_SAMPLE_KERNEL \
    __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#endif
#endif
#ifndef VOKADLO_SAMPLE_KERNEL
#define VOKADLO_SAMPLE_KERNEL
#endif

namespace vokadlo {

// Samples per block of the echo's single pass: the block of the image and of every delay line
// stays in the first-level cache between feeding and mixing.
inline constexpr std::size_t kSampleBlock = 1024;

inline std::int16_t SwapBytes(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((u >> 8) | (u << 8)));
}

// Sample `i` of the buffer at `bytes`.
inline std::int16_t SampleIn(const std::uint8_t* bytes, std::size_t i) {
    std::int16_t v;
    std::memcpy(&v, bytes + 2 * i, 2);
    if constexpr (std::endian::native == std::endian::big) {
        v = SwapBytes(v);
    }
    return v;
}

inline void SetSampleIn(std::uint8_t* bytes, std::size_t i, std::int16_t v) {
    if constexpr (std::endian::native == std::endian::big) {
        v = SwapBytes(v);
    }
    std::memcpy(bytes + 2 * i, &v, 2);
}

// Round(x) as a sample for x inside the 16-bit range (callers clamp first), ties to even, without
// branches or a library call: adding 1.5 x 2^52 rounds in the default floating-point mode and
// leaves the integer in the low bits of the sum.
inline std::int16_t RoundSmall(double x) {
    constexpr double kShifter = 6755399441055744.0;
    return static_cast<std::int16_t>(std::bit_cast<std::int64_t>(x + kShifter));
}

inline double ClampToSampleRange(double x) {
    return std::min(std::max(x, -32768.0), 32767.0);
}

}  // namespace vokadlo
