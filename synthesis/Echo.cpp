#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "synthesis/BufferOps.h"
#include "synthesis/Echo.h"
#include "synthesis/SampleBlocks.h"
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

// How many chunk samples pass between two compactions of the delay lines: each line holds its
// tail and at most about this many samples, however long the chunk.
constexpr std::int64_t kCompactEvery = std::int64_t{1} << 18;

// One tap's part of a chunk: where its feed writes and which chunk samples it mixes. Positions
// count from the start of the line, which drops the samples mixed already as the chunk goes.
struct TTapPass {
    TMemoryStream* line = nullptr;
    double level = 0.0;
    std::int64_t storedBefore = 0;  // samples held before this chunk's feed
    std::int64_t fed = 0;           // dry samples fed so far in this chunk
    std::int64_t ahead = 0;         // how far the feed must run ahead of the mix
    std::int64_t firstStored = 0;   // 0-based stored sample mixed into chunk sample 0
    std::int64_t mixFrom = 0;       // chunk samples mixFrom .. mixTo - 1 receive this tap
    std::int64_t mixTo = 0;
    std::int64_t dropped = 0;  // samples dropped off the line's front during the chunk

    // Where the feed writes dry sample `k` of the chunk, the line grown to hold up to `end`.
    std::uint8_t* FeedAt(std::int64_t k, std::int64_t end) const {
        EnsureBufferSize(*line, 2 * (storedBefore + end));
        return line->data() + 2 * (storedBefore + k);
    }
    // Where the mix reads for chunk sample `k`.
    const std::uint8_t* MixAt(std::int64_t k) const { return line->data() + 2 * (firstStored + k); }
};

// Plans the tap's feed and mix over the chunk of n samples; the line grows as it is fed.
TTapPass PlanTap(TMemoryStream& line, std::int32_t& readPos, std::int32_t& length, int t,
                 std::int64_t n) {
    const auto start = static_cast<std::size_t>(length);
    const auto count = static_cast<std::size_t>(
        std::min<std::int64_t>(n, kCompactEvery + static_cast<std::int64_t>(kSampleBlock)));
    if (line.capacity() < 2 * (start + count)) {
        // Room for the carried tail as well, so the line stops growing after the first chunk. The
        // tail is at most the tap's delay; the room is capped at the samples held, so a long
        // delay grows the line with the audio fed instead of reserving the whole delay at once.
        const auto delay =
            static_cast<std::size_t>(std::clamp(Settings.EchoDelay, 0, kMaxEchoDelay));
        const std::size_t headroom =
            std::min(delay * static_cast<std::size_t>(t) + 1, start + count);
        line.reserve(2 * (start + count + headroom));
    }

    TTapPass pass;
    pass.line = &line;
    pass.level = Settings.EchoVolume / 100.0 / (t * t);
    pass.storedBefore = length;
    // Step k of the mix (0-based) adds stored sample readPos + k (1-based) to chunk sample k, for
    // k below n - 1 and while the stored sample exists; steps before stored sample 1 add nothing.
    const std::int64_t stored = static_cast<std::int64_t>(length) + n;
    const std::int64_t steps =
        stored <= readPos
            ? 0
            : std::min<std::int64_t>(std::max<std::int64_t>(n - 1, 0), stored - readPos);
    pass.firstStored = static_cast<std::int64_t>(readPos) - 1;
    pass.mixFrom = std::clamp<std::int64_t>(-pass.firstStored, 0, steps);
    pass.mixTo = steps;
    // A read position past the stored samples (a negative delay) mixes samples fed from later in
    // the chunk; otherwise each mixed sample was fed from this chunk sample or an earlier one.
    pass.ahead = std::max<std::int64_t>(pass.firstStored - pass.storedBefore, 0);
    length = ClampToInt32(stored);
    readPos = ClampToInt32(readPos + steps);
    return pass;
}

// Drops the line's samples that no chunk sample from `from` on mixes (the unmixed tail that
// carries into the next chunk stays), so that a long chunk does not keep all it fed.
void Compact(TTapPass& pass, std::int64_t from) {
    const std::int64_t held = pass.storedBefore + pass.fed;
    const std::int64_t drop =
        std::min(std::max<std::int64_t>(pass.firstStored + std::min(from, pass.mixTo), 0), held);
    if (drop <= 0) {
        return;
    }
    std::memmove(pass.line->data(), pass.line->data() + 2 * drop,
                 2 * static_cast<std::size_t>(held - drop));
    pass.storedBefore -= drop;
    pass.firstStored -= drop;
    pass.dropped += drop;
}

// Feeds the tap the dry samples up to `end`, at its level.
void FeedUpTo(TTapPass& pass, const std::uint8_t* dry, std::int64_t end) {
    if (end > pass.fed) {
        ScaleSamples(dry + 2 * pass.fed, pass.FeedAt(pass.fed, end),
                     static_cast<std::size_t>(end - pass.fed), pass.level);
        pass.fed = end;
    }
}

// Feeds every tap the dry samples up to `to` and its lead; taps at the same point with the same
// lead (every positive delay) are fed in one pass over the dry samples.
void FeedAllUpTo(std::span<TTapPass> passes, const std::uint8_t* dry, std::int64_t n,
                 std::int64_t to) {
    if (passes.empty()) {
        return;
    }
    const TTapPass& first = passes.front();
    const bool alike = std::all_of(passes.begin(), passes.end(), [&](const TTapPass& pass) {
        return pass.fed == first.fed && pass.ahead == first.ahead;
    });
    if (!alike) {
        for (TTapPass& pass : passes) {
            FeedUpTo(pass, dry, std::min(n, to + pass.ahead));
        }
        return;
    }
    const std::int64_t end = std::min(n, to + first.ahead);
    if (end <= first.fed) {
        return;
    }
    std::array<std::uint8_t*, kMaxEchoTracks> outs{};
    std::array<double, kMaxEchoTracks> gains{};
    for (std::size_t t = 0; t < passes.size(); ++t) {
        outs[t] = passes[t].FeedAt(passes[t].fed, end);
        gains[t] = passes[t].level;
    }
    ScaleSamplesInto(dry + 2 * first.fed, outs.data(), gains.data(),
                     static_cast<int>(passes.size()), static_cast<std::size_t>(end - first.fed));
    for (TTapPass& pass : passes) {
        pass.fed = end;
    }
}

// Mixes the tap into chunk samples from .. to - 1 where it has samples to give.
void MixRange(const TTapPass& pass, std::uint8_t* wet, std::int64_t from, std::int64_t to) {
    from = std::max(from, pass.mixFrom);
    to = std::min(to, pass.mixTo);
    if (from < to) {
        AddSamplesSaturated(wet + 2 * from, pass.MixAt(from), static_cast<std::size_t>(to - from));
    }
}

// Mixes every tap into chunk samples from .. to - 1, each sample receiving its taps in order:
// where all of them reach, in one pass over the chunk's samples.
void MixAllRange(std::span<const TTapPass> passes, std::uint8_t* wet, std::int64_t from,
                 std::int64_t to) {
    std::int64_t lo = from;
    std::int64_t hi = to;
    for (const TTapPass& pass : passes) {
        lo = std::max(lo, pass.mixFrom);
        hi = std::min(hi, pass.mixTo);
    }
    if (passes.size() < 2 || lo >= hi) {
        for (const TTapPass& pass : passes) {
            MixRange(pass, wet, from, to);
        }
        return;
    }
    std::array<const std::uint8_t*, kMaxEchoTracks> lines{};
    for (std::size_t t = 0; t < passes.size(); ++t) {
        MixRange(passes[t], wet, from, lo);
        lines[t] = passes[t].MixAt(lo);
    }
    AddSamplesSaturatedFrom(wet + 2 * lo, lines.data(), static_cast<int>(passes.size()),
                            static_cast<std::size_t>(hi - lo));
    for (const TTapPass& pass : passes) {
        MixRange(pass, wet, hi, to);
    }
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
    std::array<TTapPass, kMaxEchoTracks> passes;
    for (int t = 1; t <= tracks; ++t) {
        passes[t - 1] =
            PlanTap(echo.EchoBuffers[t - 1], echo.EchoReadPos[t - 1], echo.EchoLength[t - 1], t, n);
    }
    // One pass over the chunk, block by block: every tap is fed a block's dry samples before any
    // tap mixes into them, so each tap hears the dry signal, never another tap.
    const std::span active(passes.data(), static_cast<std::size_t>(tracks));
    for (std::int64_t from = 0; from < n; from += static_cast<std::int64_t>(kSampleBlock)) {
        if (from > 0 && from % kCompactEvery == 0) {
            for (TTapPass& pass : active) {
                Compact(pass, from);
            }
        }
        const std::int64_t to = std::min(n, from + static_cast<std::int64_t>(kSampleBlock));
        FeedAllUpTo(active, samples, n, to);
        MixAllRange(active, samples, from, to);
    }
    for (int t = 1; t <= tracks; ++t) {
        const auto dropped = static_cast<std::int32_t>(passes[t - 1].dropped);
        echo.EchoLength[t - 1] -= dropped;
        echo.EchoReadPos[t - 1] -= dropped;
    }
}

}  // namespace vokadlo
