// The five timing passes of a chunk: pause, duration, gain, period trimming and speed.
#include "prosody/Timing.h"

#include <algorithm>
#include <cstddef>

#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "prosody/RandomSource.h"
#include "prosody/TimingTables.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

// A range for Random: the generator takes its argument as an unsigned 32-bit number.
std::uint32_t DrawRange(std::int64_t n) {
    return static_cast<std::uint32_t>(n);
}

// Spreads a pause to about +-1/spread around its value, keeping the remainder:
// Random(2q) + pause x (spread - 1) / spread with q = pause div spread.
std::int32_t SpreadPause(std::int32_t pause, std::int32_t spread) {
    std::int64_t q = Div(pause, spread);
    double value = static_cast<double>(Random(DrawRange(2 * q))) +
                   static_cast<double>(pause) * (spread - 1) / spread;
    return ClampToInt32(Round(value));
}

// Spreads a duration in integers, dropping the remainder: Random(2q) + q x (spread - 1).
std::int32_t SpreadDuration(std::int32_t duration, std::int32_t spread) {
    std::int64_t q = Div(duration, spread);
    return ClampToInt32(static_cast<std::int64_t>(Random(DrawRange(2 * q))) + q * (spread - 1));
}

// `ms` scaled by `percent`, rounded, and clamped to kMaxUnitMs: every pause and duration ends
// here, so no unit asks for more than 10 s of sound, however large the speed or the lengths
// the settings store, the host or the tags give.
std::int32_t Scale(std::int32_t ms, std::int32_t percent) {
    return std::min(ClampToInt32(Round(static_cast<double>(ms) * percent / 100)), kMaxUnitMs);
}

void PausePass(TSayWord& word, std::int32_t spread) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        unit.Pause = i == 0 ? 0 : TablePause(unit);  // nothing comes before the chunk's start
        if (unit.Pause != 0) {
            unit.Pause = SpreadPause(unit.Pause, spread);
        }
    }
}

void DurationPass(TSayWord& word, std::int32_t spread) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        unit.Duration = Scale(TableDuration(unit), std::max(unit.Speed, 1));
        if (unit.Duration != 0) {
            unit.Duration = SpreadDuration(unit.Duration, spread);
        }
    }
}

void GainPass(TSayWord& word) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        unit.Gain = TableGain(unit, i + 1);
        CorrectGain(unit, i + 1);
    }
}

void TrimPass(TSayWord& word) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TrimPeriods(word.Chars[i]);
    }
}

void SpeedPass(TSayWord& word, std::int32_t speedPercent) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        unit.Duration = Scale(unit.Duration, speedPercent);
        unit.Pause = Scale(unit.Pause, speedPercent);
    }
}

}  // namespace

void ApplyTiming(TSayWord& word, std::int32_t speedPercent) {
    // A spread divisor or speed below 1 would divide by zero or reverse the scale; 1 is the
    // widest spread and the fastest speed that still mean something.
    std::int32_t spread = std::max(Settings.RandomLength, 1);
    std::int32_t speed = std::max(speedPercent, 1);
    PausePass(word, spread);
    DurationPass(word, spread);
    GainPass(word);
    TrimPass(word);
    SpeedPass(word, speed);
}

}  // namespace vokadlo
