// Hand-vectorised versions of the two kernels the echo spends its time in (each also serves a
// single tap), for x86-64 processors with AVX2: the compiler's own vectorisation rounds through a
// shifted add and leaves the saturating add as compares and blends, where AVX2 has single
// instructions for both. Each gives exactly the portable kernel's result; the portable kernel
// remains for every other processor.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vokadlo {

// True when the kernels below may be called: an x86-64 build on a processor with AVX2, unless
// the environment variable VOKADLO_PORTABLE_KERNELS (not empty, not "0") asks for the portable
// ones.
bool HaveAvx2Kernels();

// ScaleSamples of the same input into taps outputs, gain gains[t] into outs[t]; every gain
// within 0 .. 1 (no clamp needed). The input is converted once for all outputs; with one output,
// it may be the input.
void ScaleSamplesIntoAvx2(const std::uint8_t* in, std::uint8_t* const* outs, const double* gains,
                          int taps, std::size_t count);

// AddSamplesSaturated of adds[0], then adds[1], ... into wet, in one pass over wet.
void AddSamplesSaturatedFromAvx2(std::uint8_t* wet, const std::uint8_t* const* adds, int taps,
                                 std::size_t count);

}  // namespace vokadlo
