#include <algorithm>
#include <cstring>

#include "engine/EngineSettings.h"
#include "engine/Numeric.h"
#include "synthesis/BufferOps.h"
#include "synthesis/Echo.h"
#include "synthesis/SampleBlocks.h"
#include "synthesis/SampleMath.h"
#include "synthesis/WavImage.h"

namespace vokadlo {
namespace {

// Moves the unmixed samples ReadPos .. Length - 1 to the front of the delay line.
void CarryOver(TMemoryStream& line, std::int32_t& readPos, std::int32_t& length) {
    if (readPos >= 1 && readPos < length) {
        const std::int32_t kept = length - readPos;
        std::memmove(line.data(), line.data() + 2 * static_cast<std::size_t>(readPos - 1),
                     2 * static_cast<std::size_t>(kept));
        length = kept;
        readPos = 1;
    }
}

// Appends the n dry samples at `level` to the delay line.
void Feed(TMemoryStream& line, std::int32_t& length, const std::uint8_t* dry, std::int64_t n,
          double level, std::size_t headroom) {
    const auto start = static_cast<std::size_t>(length);
    const auto count = static_cast<std::size_t>(n);
    if (line.capacity() < 2 * (start + count)) {
        // Room for the carried tail as well, so the line stops growing after the first chunk.
        line.reserve(2 * (start + count + headroom));
    }
    EnsureBufferSize(line, 2 * static_cast<std::int64_t>(start + count));
    std::int16_t block[kSampleBlock];
    for (std::size_t at = 0; at < count; at += kSampleBlock) {
        const std::size_t size = std::min(kSampleBlock, count - at);
        BlockFromBytes(block, dry + 2 * at, size);
        if (level >= -1.0 && level <= 1.0) {  // the product stays in range: no clamp needed
            for (std::size_t k = 0; k < size; ++k) {
                block[k] = RoundClamped(level * block[k]);
            }
        } else {
            for (std::size_t k = 0; k < size; ++k) {
                block[k] = RoundClamped(ClampToSampleRange(level * block[k]));
            }
        }
        BlockToBytes(line.data() + 2 * (start + at), block, size);
    }
    length += static_cast<std::int32_t>(n);
}

// Mixes stored samples into samples 1 .. n - 1 of the chunk; positions still inside the initial
// delay (ReadPos below 1) pass by without mixing.
void Mix(const TMemoryStream& line, std::int32_t& readPos, std::int32_t length, std::uint8_t* wet,
         std::int64_t n) {
    if (length <= 0 || length <= readPos) {
        return;
    }
    const std::int64_t steps = std::min<std::int64_t>(std::max<std::int64_t>(n - 1, 0),
                                                      static_cast<std::int64_t>(length) - readPos);
    const std::int64_t skipped =
        std::clamp<std::int64_t>(1 - static_cast<std::int64_t>(readPos), 0, steps);
    // Step k mixes stored sample readPos + k into chunk sample k + 1.
    const std::uint8_t* stored = line.data() + 2 * (readPos + skipped - 1);
    std::uint8_t* out = wet + 2 * skipped;
    const auto count = static_cast<std::size_t>(steps - skipped);
    std::int16_t a[kSampleBlock];
    std::int16_t b[kSampleBlock];
    for (std::size_t at = 0; at < count; at += kSampleBlock) {
        const std::size_t size = std::min(kSampleBlock, count - at);
        BlockFromBytes(a, out + 2 * at, size);
        BlockFromBytes(b, stored + 2 * at, size);
        for (std::size_t k = 0; k < size; ++k) {
            a[k] = SaturatedSum(a[k], b[k]);
        }
        BlockToBytes(out + 2 * at, a, size);
    }
    readPos = ClampToInt32(readPos + steps);
}

}  // namespace

void AddEcho(TMemoryStream& image, TEchoState& echo) {
    const int tracks = ActiveEchoTracks();
    for (int t = 1; t <= tracks; ++t) {
        CarryOver(echo.EchoBuffers[t - 1], echo.EchoReadPos[t - 1], echo.EchoLength[t - 1]);
    }
    if (image.size() <= kHeaderTemplateSize) {
        return;
    }
    std::uint8_t* samples = image.data() + kHeaderTemplateSize;
    const auto n = static_cast<std::int64_t>((image.size() - kHeaderTemplateSize) / 2);
    // Every tap is fed before any mixes, so each hears the dry signal, never another tap.
    for (int t = 1; t <= tracks; ++t) {
        const double level = Settings.EchoVolume / 100.0 / (t * t);
        const auto headroom = static_cast<std::size_t>(std::max(Settings.EchoDelay, 0)) * t + 1;
        Feed(echo.EchoBuffers[t - 1], echo.EchoLength[t - 1], samples, n, level, headroom);
    }
    for (int t = 1; t <= tracks; ++t) {
        Mix(echo.EchoBuffers[t - 1], echo.EchoReadPos[t - 1], echo.EchoLength[t - 1], samples, n);
    }
}

}  // namespace vokadlo
