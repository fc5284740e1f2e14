// The multi-tap echo state and its reset.
#pragma once

#include <array>
#include <cstdint>

#include "engine/MemoryStream.h"

namespace vokadlo {

inline constexpr int kMaxEchoTracks = 10;

// One entry per tap t = 1..10, stored at index t - 1.
struct TEchoState {
    std::array<TMemoryStream, kMaxEchoTracks> EchoBuffers;  // delay lines, 16-bit samples
    std::array<std::int32_t, kMaxEchoTracks> EchoReadPos{};  // next stored sample to mix, 1-based
    std::array<std::int32_t, kMaxEchoTracks> EchoLength{};   // samples held in each delay line
};

// EchoTracks clamped to the taps there is storage for (0..10).
int ActiveEchoTracks();

// Starts a fresh delay: for t = 1..EchoTracks, EchoReadPos[t] := -t x EchoDelay and
// EchoLength[t] := 0. The delay lines keep their memory.
void ResetEcho(TEchoState& echo);

}  // namespace vokadlo
