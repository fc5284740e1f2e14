// Sample-level operations of the wave assembly on buffers of 16-bit little-endian samples.
// Lengths are in bytes; sample positions in comments are 1-based. Buffers only grow: an
// operation allocates only when a buffer must become longer than it has ever been.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/MemoryStream.h"

namespace vokadlo {

// Appends zero bytes until `buffer` holds at least `n` bytes; a smaller or negative `n` leaves
// it as it is. Never shortens.
void EnsureBufferSize(TMemoryStream& buffer, std::int64_t n);

// Subtracts 1 from a positive odd byte count; even and negative counts stay.
void RoundDownToEven(std::int32_t& bytes);

// Grows `buffer` to `n` bytes, then multiplies samples 1 .. Round(n / 2) that lie in the buffer
// by `g`, rounding ties to even and saturating at the 16-bit range. Samples -1, 0 and 1 are never
// changed (the pitch marks depend on it); g = 1.0 changes nothing.
void ApplyGain(TMemoryStream& buffer, std::int64_t n, double g);

// Changes the pitch of one period of `bytes` bytes in place: c > 1 inserts one sample every c
// samples (the rounded mean of its neighbours), c < -1 removes one every |c|; -1, 0 and 1 change
// nothing. Hits within two samples of either end change no sample; a removal there still
// shortens the period, which drops its last sample. `bytes` receives the new length (even).
// Grows `period` when samples are inserted.
void ResamplePeriod(TMemoryStream& period, std::int32_t c, std::int32_t& bytes);

// Copies the period's first `bytes` bytes of `source` into `target` and changes the copy's
// pitch like ResamplePeriod, except that a removal near either end removes its sample too.
// Returns the copy's length in bytes. Grows `target` as needed.
std::int32_t ResamplePeriodCopy(std::span<const std::uint8_t> source, TMemoryStream& target,
                                std::int32_t c, std::int32_t bytes);

// Kernels of the gain and the echo over `count` 16-bit samples.
// out[i] := Round(in[i] x g), saturated at the 16-bit range; `in` may be `out`. Any g but NaN.
void ScaleSamples(const std::uint8_t* in, std::uint8_t* out, std::size_t count, double g);
// ScaleSamples of `in` into outs[t] with gains[t], for t = 0 .. taps - 1; no output is `in`.
void ScaleSamplesInto(const std::uint8_t* in, std::uint8_t* const* outs, const double* gains,
                      int taps, std::size_t count);
// wet[i] := wet[i] + add[i], saturated at the 16-bit range.
void AddSamplesSaturated(std::uint8_t* wet, const std::uint8_t* add, std::size_t count);
// AddSamplesSaturated of adds[0], then adds[1], ... adds[taps - 1] into wet.
void AddSamplesSaturatedFrom(std::uint8_t* wet, const std::uint8_t* const* adds, int taps,
                             std::size_t count);

}  // namespace vokadlo
