// Preparing one chunk: cut it off the pending text, rewrite it, build its units, then the
// prosody and the rendering into the current slot.
#include <optional>

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
    // The loop works on its own range of the pending text and writes it back once, also when
    // a stage throws, so that skipping many chunks stays linear in the text's length.
    TPendingText pending = TakePending(*this);
    std::string s;
    try {
        for (;;) {
            if (IsNewText(*this, pending)) {
                RefreshForNewText(*this, pending);
            }
            CutChunk(*this, pending);
            s = ConvertChunk(ChunkText, *this, pending.View(), LastBackslash(*this, pending));
            const std::string letters = BuildUnits(*this, s);
            if (!SkipEmptyChunk(pending, letters)) {
                break;  // chunks that yield nothing are skipped while more text follows
            }
        }
    } catch (...) {
        StorePending(*this, pending);  // the error leaves the texts as the failing stage did
        throw;
    }
    StorePending(*this, pending);
    CompleteRecord(CurrentWord(), std::move(s),
                   static_cast<std::int32_t>(CurrentWord().Chars.size()));
    ApplyProsody(CurrentWord(), SpeedPercent, SentenceEnded);
    // A tracing program sees the record as the prosody left it; rendering moves its intonation.
    const std::optional<TSayWord> traced =
        ChunkObserver ? std::optional<TSayWord>(CurrentWord()) : std::nullopt;
    RenderChunk(CurrentWord(), CurrentStream(), HeaderTemplate, Render, Echo, Resources);
    if (Render.ChunkCut && !ChunkCutNoticed) {
        ChunkCutNoticed = true;
        PlatformNotice().Show(
            "a chunk's sound passed 32 MiB (the dictionary or the tags made it that long); the "
            "rest of it is left out");
    }
    // Each disk file that is no recording is named once.
    for (; RefusedRecordingsNoticed < Render.RefusedRecordings.size(); ++RefusedRecordingsNoticed) {
        PlatformNotice().Show(Render.RefusedRecordings[RefusedRecordingsNoticed]);
    }
    ChunkText = RemoveBackslashTags(ChunkText);
    if (traced) {
        ChunkObserver(*traced, CurrentStream(), CurrentSlot, ChunkText);
    }
    ChunkReady = true;
}

}  // namespace vokadlo
