#include <algorithm>
#include <cstring>

#include "engine/EngineSettings.h"
#include "engine/Numeric.h"
#include "synthesis/BufferOps.h"
#include "synthesis/Echo.h"
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
          double level) {
    EnsureBufferSize(line, 2 * (static_cast<std::int64_t>(length) + n));
    std::uint8_t* out = line.data() + 2 * static_cast<std::size_t>(length);
    for (std::int64_t k = 0; k < n; ++k) {
        StoreSample(out + 2 * k, RoundToSample(level * LoadSample(dry + 2 * k)));
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
    const std::uint8_t* stored = line.data();
    for (std::int64_t k = skipped; k < steps; ++k) {
        const std::int64_t pos = readPos + k;  // 1-based stored sample
        const std::int32_t sum = LoadSample(wet + 2 * k) + LoadSample(stored + 2 * (pos - 1));
        StoreSample(wet + 2 * k, SaturateSample(sum));
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
        Feed(echo.EchoBuffers[t - 1], echo.EchoLength[t - 1], samples, n, level);
    }
    for (int t = 1; t <= tracks; ++t) {
        Mix(echo.EchoBuffers[t - 1], echo.EchoReadPos[t - 1], echo.EchoLength[t - 1], samples, n);
    }
}

}  // namespace vokadlo
