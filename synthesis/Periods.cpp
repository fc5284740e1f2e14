#include "synthesis/Periods.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/Cp1250Literal.h"
#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "synthesis/BufferOps.h"
#include "synthesis/SampleMath.h"

namespace vokadlo {
namespace {

constexpr std::array<std::int16_t, 10> kPitchMark = {0, 1, 1, -1, -1, 1, 1, -1, -1, 0};

// Sounds that are never lengthened by repeating periods (continuants and affricates).
constexpr std::string_view kNotLengthened = "cfrsvzšžčř"_cp;
// Sounds that lose only seven tenths of the periods the rule would drop.
constexpr std::string_view kDroppedLess = "cjrsvzšžčř"_cp;

bool IsOneOf(std::string_view code, std::string_view letters) {
    return code.size() == 1 && letters.find(code[0]) != std::string_view::npos;
}

bool MarkAt(const std::uint8_t* s) {
    for (std::size_t j = 0; j < kPitchMark.size(); ++j) {
        if (LoadSample(s + 2 * j) != kPitchMark[j]) {
            return false;
        }
    }
    return true;
}

void GrowTables(TRenderBuffers& b, std::size_t periods) {
    if (b.PeriodStarts.size() < periods) {
        const std::size_t size = std::max(periods, 2 * b.PeriodStarts.size());
        b.PeriodStarts.resize(size);
        b.PeriodEnds.resize(size);
    }
}

// Drops periods while `drops` > 0: an every-second pass (even periods in sweep 0, odd ones
// later), then an every-third pass, in at most five sweeps.
void DropPeriods(std::int64_t drops, std::int32_t u, std::vector<std::int32_t>& bytes) {
    auto tryDrop = [&](std::int32_t j) {
        if (drops > 0 && bytes[j - 1] > 0) {
            bytes[j - 1] = 0;
            --drops;
        }
    };
    for (int sweep = 0; sweep <= 4; ++sweep) {
        for (std::int32_t t = 1; t <= u / 2 - 2; ++t) {
            tryDrop(sweep == 0 ? 2 * t : 2 * t + 1);
        }
        if (drops > 0) {
            for (std::int32_t t = 1; t <= u / 3; ++t) {
                tryDrop(3 * t);
            }
        }
        if (drops <= 0) {
            return;
        }
    }
}

}  // namespace

std::int32_t SplitAtPitchMarks(const TMemoryStream& work, std::int32_t w, TRenderBuffers& b) {
    GrowTables(b, 64);
    std::int32_t s = 1;
    b.PeriodStarts[0] = 1;
    const std::uint8_t* samples = work.data();
    for (std::int32_t i = 1; i <= w - 15;) {
        const std::uint8_t* at = samples + 2 * static_cast<std::size_t>(i - 1);
        // Every mark starting at i .. i + 9 covers sample i + 9, and mark samples are -1, 0 or 1:
        // any other value there rules out all ten starts at once.
        const std::int32_t probe = LoadSample(at + 18);
        if (probe < -1 || probe > 1) {
            i += 10;
            continue;
        }
        if (MarkAt(at)) {
            b.PeriodEnds[s - 1] = i;
            ++s;
            GrowTables(b, static_cast<std::size_t>(s));
            b.PeriodStarts[s - 1] = i + 10;
        }
        ++i;
    }
    b.PeriodEnds[s - 1] = w;
    return s;
}

void CopyUsablePeriods(const TMemoryStream& work, std::int32_t u, TRenderBuffers& b) {
    if (u <= 0) {
        return;
    }
    const auto count = static_cast<std::size_t>(u);
    if (b.PeriodBuffers.size() < count) {
        b.PeriodBuffers.resize(std::max(count, 2 * b.PeriodBuffers.size()));
        b.PeriodBytes.resize(b.PeriodBuffers.size());
    }
    for (std::size_t k = 0; k < count; ++k) {
        const std::int32_t bytes = (b.PeriodEnds[k] - b.PeriodStarts[k]) * 2;
        b.PeriodBytes[k] = bytes;
        if (bytes > 0) {
            EnsureBufferSize(b.PeriodBuffers[k], bytes);
            std::memcpy(b.PeriodBuffers[k].data(),
                        work.data() + 2 * static_cast<std::size_t>(b.PeriodStarts[k] - 1),
                        static_cast<std::size_t>(bytes));
        }
    }
}

std::int32_t ApplyDurationRule(std::string_view code, std::int32_t durationMs, std::int32_t s,
                               std::int32_t u, TRenderBuffers& b) {
    // T counts samples and L bytes; the rule compares and divides the two plain numbers.
    const std::int64_t target = static_cast<std::int64_t>(durationMs) * Settings.SamplesPerMs;
    std::int64_t length = 0;
    for (std::int32_t k = 0; k < u; ++k) {
        length += b.PeriodBytes[k];
    }
    if (target > length) {
        const std::int64_t perPeriod = length / s;
        if (IsOneOf(code, kNotLengthened) || code.size() != 1 || perPeriod == 0 || s == 8) {
            return 1;
        }
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(target / perPeriod / (s - 8), 1, INT32_MAX));
    }
    const std::int64_t perPeriod = length / u;
    if (perPeriod == 0) {
        return 1;
    }
    std::int64_t drops = (length - target) / perPeriod;
    if (IsOneOf(code, kDroppedLess)) {
        drops = Round(static_cast<double>(drops) * 0.7);
    }
    DropPeriods(drops, u, b.PeriodBytes);
    return 1;
}

}  // namespace vokadlo
