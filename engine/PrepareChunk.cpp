// Placeholder until the text pipeline lands: takes the whole pending text as one chunk
// without processing it.
#include "engine/SayText.h"

namespace vokadlo {

void TSayText::PrepareChunk() {
    if (!PendingText.empty() && PendingText != kEndMarker) {
        ChunkText = PendingText;
        PendingText = kEndMarker;
        TextRestart = true;
    }
    ChunkReady = true;
}

}  // namespace vokadlo
