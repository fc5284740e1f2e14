// Working storage of the wave assembly, owned by the engine object and reused from unit to unit
// and chunk to chunk; it only grows, so steady-state rendering allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/MemoryStream.h"
#include "synthesis/CutRecordings.h"

namespace vokadlo {

struct TRenderBuffers {
    TMemoryStream Recording;   // a recording read from disk (built-in ones are used in place)
    TMemoryStream WorkBuffer;  // the current recording's samples
    std::vector<TMemoryStream> PeriodBuffers;  // one per period of the current recording
    std::vector<std::int32_t> PeriodBytes;     // byte length of each period; 0 = dropped
    std::vector<std::int32_t> PeriodStarts;    // first sample of each period, 1-based
    std::vector<std::int32_t> PeriodEnds;      // sample just after each period, 1-based
    TMemoryStream ScratchBuffer;               // pitch-shifted copy of a period (linear mode)
    TCutRecordings Cut;     // recordings gained, cut and moved in pitch already, for reuse
    TCutRecording MadeCut;  // the one made last (a disk recording's is never kept)
    // Disk files refused as recordings, one line each ("PATH is no recording: why"), in the
    // order met; each is added once.
    std::vector<std::string> RefusedRecordings;
    // The size no unit takes the image past (RenderChunk's limit while it renders).
    std::size_t ImageLimit = SIZE_MAX;
    // The last chunk reached kMaxChunkSampleBytes: the units past it were not rendered.
    bool ChunkCut = false;
};

}  // namespace vokadlo
