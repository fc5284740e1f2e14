// Cutting a recording's samples into pitch periods, and the duration rule that repeats or drops
// them. Period numbers k are 1-based and stored at index k - 1 of the tables.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/MemoryStream.h"
#include "synthesis/RenderBuffers.h"

namespace vokadlo {

// Scans samples 1 .. w of `work` for the pitch mark 0, 1, 1, -1, -1, 1, 1, -1, -1, 0 (starting
// at 1 .. w - 15) and fills `PeriodStarts` / `PeriodEnds` with 1-based sample numbers: period k
// is samples PeriodStarts[k] .. PeriodEnds[k] - 1; mark samples and sample w belong to none.
// Returns the number of periods s (at least 1). Grows the tables when needed.
std::int32_t SplitAtPitchMarks(const TMemoryStream& work, std::int32_t w, TRenderBuffers& buffers);

// Copies periods 1 .. u from `work` into `PeriodBuffers` and sets `PeriodBytes` (a negative
// length, left by two marks sharing their zero, copies nothing). Grows the buffers when needed.
void CopyUsablePeriods(const TMemoryStream& work, std::int32_t u, TRenderBuffers& buffers);

// The duration rule for a unit of normalised `code` with target `durationMs`, s periods found
// and u usable (u >= 1): returns the repeat factor r (>= 1) of the middle periods 4 .. u - 4 and,
// when the unit is too long, drops periods by setting their `PeriodBytes` to 0.
std::int32_t ApplyDurationRule(std::string_view code, std::int32_t durationMs, std::int32_t s,
                               std::int32_t u, TRenderBuffers& buffers);

}  // namespace vokadlo
