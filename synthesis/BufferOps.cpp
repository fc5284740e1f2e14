#include "synthesis/BufferOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/Numeric.h"
#include "synthesis/SampleBlocks.h"
#include "synthesis/SampleKernelsAvx2.h"
#include "synthesis/SampleMath.h"

namespace vokadlo {
namespace {

// The walk from the last sample towards the first counts samples and hits every |c|-th one,
// first at N - |c| + 1. In ascending order the hits are N mod |c| + 1, then every |c| samples.
struct THits {
    std::int64_t first = 0;  // 1-based position of the lowest hit; 0 when there is none
    std::int64_t step = 0;   // |c|
    std::int64_t count = 0;
};

THits HitsOf(std::int64_t n, std::int32_t c) {
    const std::int64_t step = c > 0 ? c : -static_cast<std::int64_t>(c);
    THits hits;
    hits.step = step;
    if (n >= step) {
        hits.first = n % step + 1;
        hits.count = n / step;
    }
    return hits;
}

// A hit changes samples only when it lies more than two samples from either end.
bool InsideEdges(std::int64_t p, std::int64_t n) {
    return 2 < p && p < n - 1;
}

std::int64_t HitsInsideEdges(const THits& hits, std::int64_t n) {
    std::int64_t inside = 0;
    for (std::int64_t i = 0, p = hits.first; i < hits.count; ++i, p += hits.step) {
        inside += InsideEdges(p, n) ? 1 : 0;
    }
    return inside;
}

std::int32_t SampleAt(const std::uint8_t* samples, std::int64_t p) {
    return LoadSample(samples + 2 * (p - 1));
}

// Removal in place, walking forward: samples before `out` are written, samples from there on
// still hold their recorded values, so the neighbours of a hit are read before being overwritten.
// `removeAtEdges` also removes the samples of hits near the ends (without a mean).
void RemoveInPlace(std::uint8_t* s, std::int64_t n, const THits& hits, bool removeAtEdges) {
    std::int64_t in = 1;                      // next source sample
    std::int64_t out = 1;                     // next target position
    auto moveUpTo = [&](std::int64_t stop) {  // moves source samples in .. stop - 1
        std::memmove(s + 2 * (out - 1), s + 2 * (in - 1),
                     static_cast<std::size_t>(2 * (stop - in)));
        out += stop - in;
        in = stop;
    };
    for (std::int64_t i = 0, p = hits.first; i < hits.count; ++i, p += hits.step) {
        if (InsideEdges(p, n)) {
            moveUpTo(p);
            const std::int32_t before = SampleAt(s, p - 1);
            const std::int32_t after = SampleAt(s, p + 1);
            StoreSample(s + 2 * (out - 1), RoundedMean(after, before));
            ++out;
            in = p + 2;
        } else if (removeAtEdges) {
            moveUpTo(p);
            in = p + 1;
        }
    }
    moveUpTo(n + 1);
}

// Insertion in place, walking backward: the period is moved towards its end block by block, each
// inserted sample the mean of the two samples it comes between.
void InsertInPlace(std::uint8_t* s, std::int64_t n, const THits& hits, std::int64_t inserts) {
    std::int64_t end = n + 1;            // source samples from `end` on are moved
    std::int64_t out = n + inserts + 1;  // target positions from `out` on are written
    for (std::int64_t i = hits.count - 1; i >= 0; --i) {
        const std::int64_t p = hits.first + i * hits.step;
        if (!InsideEdges(p, n)) {
            continue;
        }
        const std::int64_t block = end - p;
        out -= block;
        std::memmove(s + 2 * (out - 1), s + 2 * (p - 1), static_cast<std::size_t>(2 * block));
        --out;
        StoreSample(s + 2 * (out - 1), RoundedMean(SampleAt(s, p - 1), SampleAt(s, out + 1)));
        end = p;
    }
}

std::int32_t NewLength(std::int32_t bytes, std::int64_t net) {
    std::int32_t result = ClampToInt32(bytes + 2 * net);
    RoundDownToEven(result);
    return result;
}

bool ChangesPitch(std::int32_t c) {
    return c < -1 || c > 1;
}

// The walk of both operations on `period`, in place; returns the change in samples.
std::int64_t ResampleInPlace(TMemoryStream& period, std::int32_t c, std::int32_t bytes,
                             bool removeAtEdges) {
    const std::int64_t n = Round(bytes / 2.0);
    const THits hits = HitsOf(n, c);
    if (hits.count == 0) {
        return 0;
    }
    if (c > 0) {
        const std::int64_t inserts = HitsInsideEdges(hits, n);
        EnsureBufferSize(period, 2 * (n + inserts));
        InsertInPlace(period.data(), n, hits, inserts);
        return inserts;
    }
    EnsureBufferSize(period, 2 * n);
    RemoveInPlace(period.data(), n, hits, removeAtEdges);
    return -hits.count;
}

// All bits set when `x` is -1, 0 or 1 (which the gain keeps), else none.
inline std::int16_t KeptMask(std::int16_t x) {
    return static_cast<std::int16_t>(
        -static_cast<std::int16_t>(static_cast<std::uint16_t>(x + 1) <= 2));
}

// ApplyGain's loop: both versions compute every sample and then keep -1, 0 and 1 by a mask
// rather than a choice, which the compiler would turn into a branch and leave scalar.
VOKADLO_SAMPLE_KERNEL
void GainSamples(std::uint8_t* s, std::size_t count, double g) {
    if (g >= 0.0 && g <= 1.0) {  // the product stays inside the range: no clamp needed
        for (std::size_t i = 0; i < count; ++i) {
            const std::int16_t x = SampleIn(s, i);
            const std::int16_t scaled = RoundSmall(g * x);
            const std::int16_t keep = KeptMask(x);
            SetSampleIn(s, i, static_cast<std::int16_t>((x & keep) | (scaled & ~keep)));
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            const std::int16_t x = SampleIn(s, i);
            const std::int16_t scaled = RoundSmall(ClampToSampleRange(g * x));
            const std::int16_t keep = KeptMask(x);
            SetSampleIn(s, i, static_cast<std::int16_t>((x & keep) | (scaled & ~keep)));
        }
    }
}

}  // namespace

void EnsureBufferSize(TMemoryStream& buffer, std::int64_t n) {
    if (n > 0 && static_cast<std::uint64_t>(n) > buffer.size()) {
        buffer.resize(static_cast<std::size_t>(n), 0);
    }
}

void RoundDownToEven(std::int32_t& bytes) {
    if (bytes > 0 && bytes % 2 != 0) {
        --bytes;
    }
}

VOKADLO_SAMPLE_KERNEL
void ScaleSamples(const std::uint8_t* in, std::uint8_t* out, std::size_t count, double g) {
    if (g >= 0.0 && g <= 1.0) {  // the product stays inside the range: no clamp needed
        if (HaveAvx2Kernels()) {
            ScaleSamplesIntoAvx2(in, &out, &g, 1, count);
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            SetSampleIn(out, i, RoundSmall(g * SampleIn(in, i)));
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            const double scaled = ClampToSampleRange(g * SampleIn(in, i));
            SetSampleIn(out, i, RoundSmall(scaled));
        }
    }
}

void ScaleSamplesInto(const std::uint8_t* in, std::uint8_t* const* outs, const double* gains,
                      int taps, std::size_t count) {
    const bool inRange =
        std::all_of(gains, gains + taps, [](double g) { return g >= 0.0 && g <= 1.0; });
    if (inRange && HaveAvx2Kernels()) {
        ScaleSamplesIntoAvx2(in, outs, gains, taps, count);
        return;
    }
    for (int t = 0; t < taps; ++t) {
        ScaleSamples(in, outs[t], count, gains[t]);
    }
}

VOKADLO_SAMPLE_KERNEL
void AddSamplesSaturated(std::uint8_t* wet, const std::uint8_t* add, std::size_t count) {
    if (HaveAvx2Kernels()) {
        AddSamplesSaturatedFromAvx2(wet, &add, 1, count);
        return;
    }
    // In 16-bit lanes: the sum wraps, and a wrapped sum (its sign differs from both addends')
    // is replaced by the full-scale value of the addends' sign.
    for (std::size_t i = 0; i < count; ++i) {
        const auto a = static_cast<std::uint16_t>(SampleIn(wet, i));
        const auto b = static_cast<std::uint16_t>(SampleIn(add, i));
        const auto sum = static_cast<std::uint16_t>(a + b);
        const bool wrapped = ((a ^ sum) & (b ^ sum) & 0x8000U) != 0;
        const auto full = static_cast<std::uint16_t>((a >> 15) + 0x7FFFU);
        SetSampleIn(wet, i, static_cast<std::int16_t>(wrapped ? full : sum));
    }
}

void AddSamplesSaturatedFrom(std::uint8_t* wet, const std::uint8_t* const* adds, int taps,
                             std::size_t count) {
    if (HaveAvx2Kernels()) {
        AddSamplesSaturatedFromAvx2(wet, adds, taps, count);
        return;
    }
    for (int t = 0; t < taps; ++t) {
        AddSamplesSaturated(wet, adds[t], count);
    }
}

void ApplyGain(TMemoryStream& buffer, std::int64_t n, double g) {
    EnsureBufferSize(buffer, n);
    if (g == 1.0 || n <= 0) {
        return;
    }
    // Samples past the buffer's last whole sample cannot be read; the loop ends there.
    const auto count = static_cast<std::size_t>(std::min<std::int64_t>(
        Round(static_cast<double>(n) / 2), static_cast<std::int64_t>(buffer.size() / 2)));
    std::uint8_t* s = buffer.data();
    if (std::isnan(g)) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::int16_t x = SampleIn(s, i);
            SetSampleIn(s, i, (x < -1 || x > 1) ? std::int16_t{0} : x);
        }
        return;
    }
    GainSamples(s, count, g);
}

void ResamplePeriod(TMemoryStream& period, std::int32_t c, std::int32_t& bytes) {
    if (!ChangesPitch(c)) {
        return;
    }
    bytes = NewLength(bytes, ResampleInPlace(period, c, bytes, false));
}

std::int32_t ResamplePeriodCopy(std::span<const std::uint8_t> source, TMemoryStream& target,
                                std::int32_t c, std::int32_t bytes) {
    // Only the period's own bytes are copied; a byte count that rounds up past the source reads
    // the missing sample as 0.
    const std::int64_t copied =
        std::clamp<std::int64_t>(bytes, 0, static_cast<std::int64_t>(source.size()));
    EnsureBufferSize(target, copied);
    std::copy_n(source.begin(), copied, target.begin());
    if (!ChangesPitch(c)) {
        return bytes;
    }
    const std::int64_t n = Round(bytes / 2.0);
    if (n > 0 && 2 * n > copied) {
        EnsureBufferSize(target, 2 * n);
        std::fill(target.begin() + copied, target.begin() + 2 * n, 0);
    }
    return NewLength(bytes, ResampleInPlace(target, c, bytes, true));
}

}  // namespace vokadlo
