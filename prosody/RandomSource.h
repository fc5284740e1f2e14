// The program-wide pseudo-random source of the prosody.
//
// A 32-bit linear congruential generator: every draw advances the state
// (state := state x 134775813 + 1 mod 2^32) and then scales it into the asked range. The state
// lives in `RandomSource` below and nowhere else; tests seed it directly or through
// `Settings.ProsodySeed`.
#pragma once

#include <chrono>
#include <cstdint>

namespace vokadlo {

struct TRandomSource {
    std::uint32_t State = 0;

    // Sets the state; the next draw advances from it.
    void Seed(std::uint32_t seed) { State = seed; }

    // Advances the state, then returns the upper 32 bits of the 64-bit product state x n:
    // 0..n-1 for n >= 1, and 0 for n = 0 (the state still advances). No allocation.
    std::uint32_t Random(std::uint32_t n);
};

// The program's one random source.
inline TRandomSource RandomSource;

// Draws from the program's random source (see TRandomSource::Random).
inline std::uint32_t Random(std::uint32_t n) {
    return RandomSource.Random(n);
}

// Milliseconds since the UTC midnight before `time`: 0..86399999.
std::uint32_t MillisecondsSinceMidnightUtc(std::chrono::system_clock::time_point time);

// Seeds the program's random source for one chunk: with `Settings.ProsodySeed` when set,
// otherwise with the milliseconds since midnight UTC now.
void SeedRandomForChunk();

}  // namespace vokadlo
