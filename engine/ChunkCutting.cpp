// The queue side of chunk preparation: recognising a new text and cutting the next chunk.
#include "engine/EngineSettings.h"
#include "engine/TextPipeline.h"
#include "platform/CodePage.h"

namespace vokadlo {

bool IsNewText(const TSayText& engine) {
    return engine.TextRestart || engine.PendingText != Settings.LastRemainder;
}

void RefreshForNewText(TSayText& engine) {
    engine.ReloadUserDictionaryIfChanged();
    engine.ReadEngineSettings();
    engine.PendingText = LowerCase(engine.PendingText);
    engine.TextRestart = false;
}

void CutChunk(TSayText& engine) {
    std::string& pending = engine.PendingText;
    const std::size_t space = pending.find(' ');
    if (space != std::string::npos && !engine.WordMode) {
        engine.ChunkText.assign(pending, 0, space + 1);
        pending.erase(0, space + 1);
        if (IsBlank(pending)) {
            pending = kEndMarker;
            engine.TextRestart = true;
        }
    } else {
        engine.ChunkText = std::move(pending);
        pending = kEndMarker;
        engine.TextRestart = true;
    }
    if (engine.ChunkText.size() > kLongChunk && engine.ChunkText.size() > kChunkLength) {
        pending.insert(0, engine.ChunkText, kChunkLength);
        engine.ChunkText.resize(kChunkLength);
    }
    Settings.LastRemainder = pending;
}

}  // namespace vokadlo
