// Preparing one chunk: cut it off the pending text, rewrite it, build its units, then the
// prosody and the rendering into the current slot.
#include "engine/TextPipeline.h"
#include "prosody/Prosody.h"
#include "synthesis/WaveAssembly.h"
#include "text/TagSpans.h"

namespace vokadlo {

void TSayText::PrepareChunk() {
    if (PendingText.empty()) {
        ChunkReady = true;
        return;
    }
    std::string s;
    for (;;) {
        if (IsNewText(*this)) {
            RefreshForNewText(*this);
        }
        CutChunk(*this);
        s = ConvertChunk(ChunkText, *this);
        const std::string letters = BuildUnits(*this, s);
        if (!SkipEmptyChunk(*this, letters)) {
            break;  // chunks that yield nothing are skipped while more text follows
        }
    }
    CompleteRecord(CurrentWord(), std::move(s),
                   static_cast<std::int32_t>(CurrentWord().Chars.size()));
    ApplyProsody(CurrentWord(), SpeedPercent, SentenceEnded);
    RenderChunk(CurrentWord(), CurrentStream(), HeaderTemplate, Render, Echo, Resources);
    ChunkText = RemoveBackslashTags(ChunkText);
    ChunkReady = true;
}

}  // namespace vokadlo
