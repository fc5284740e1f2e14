// The multi-tap echo state and its reset.
#pragma once

#include <array>
#include <cstdint>

#include "core/MemoryStream.h"

namespace vokadlo {

inline constexpr int kMaxEchoTracks = 10;
// The longest delay in samples the echo keeps (about 4.5 s): a longer one, which only a settings
// store can ask for, would hold that much sound per tap.
inline constexpr std::int32_t kMaxEchoDelay = 100000;

// One entry per tap t = 1..10, stored at index t - 1.
struct TEchoState {
    std::array<TMemoryStream, kMaxEchoTracks> EchoBuffers;   // delay lines, 16-bit samples
    std::array<std::int32_t, kMaxEchoTracks> EchoReadPos{};  // next stored sample to mix, 1-based
    std::array<std::int32_t, kMaxEchoTracks> EchoLength{};   // samples held in each delay line
};

// EchoTracks clamped to the taps there is storage for (0..10).
int ActiveEchoTracks();

// Starts a fresh delay: for t = 1..EchoTracks, EchoReadPos[t] := -t x EchoDelay (at most
// kMaxEchoDelay) and
// EchoLength[t] := 0. The delay lines keep their memory.
void ResetEcho(TEchoState& echo);

// Adds the echo to the samples of a WAV image from byte 46 on, in place; the size stays. Each
// active tap t is fed the dry samples at EchoVolume / 100 / t^2 and mixes its delay line back;
// the unmixed tail carries into the next chunk (its last stored sample is discarded). The last
// sample of the image never receives echo. Sums saturate at the 16-bit range after each tap.
// Grows the delay lines as needed, each to its tail and a bounded stretch of the chunk however
// long the chunk is; allocates nothing once they are long enough.
void AddEcho(TMemoryStream& image, TEchoState& echo);

}  // namespace vokadlo
