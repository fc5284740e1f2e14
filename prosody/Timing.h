// Sound timing and loudness of one chunk: pause, duration, gain and period trimming per unit.
#pragma once

#include <cstdint>

#include "core/ChunkRecord.h"

namespace vokadlo {

// Sets `Pause` and `Duration` (ms), `Gain` (factor), `FirstPeriod` and `EndCut` (pitch
// periods) of units 1..CharCount from their `Sample`, `Letter`, `Prev` and `Next`, spreads
// pauses and durations with the program's random source (not re-seeded here) by
// `Settings.RandomLength`, and scales both by `speedPercent` (percent, >= 1). Durations are
// scaled by the unit's own `Speed` first. No allocation.
void ApplyTiming(TSayWord& word, std::int32_t speedPercent);

}  // namespace vokadlo
