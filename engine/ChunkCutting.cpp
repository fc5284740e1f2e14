// The queue side of chunk preparation: recognising a new text and cutting the next chunk.
#include <algorithm>

#include "core/EngineSettings.h"
#include "engine/TextPipeline.h"
#include "core/CodePage.h"

namespace vokadlo {
namespace {

constexpr std::string_view kEnd = kEndMarker;

// The first space of the pending text, or npos. The search goes on from the last space found,
// so the scans of one preparation together cover the text once.
std::size_t FirstSpace(TPendingText& pending) {
    if (!pending.spaceSearched ||
        (pending.space != std::string::npos && pending.space < pending.start)) {
        pending.space = pending.text.find(' ', pending.start);
        pending.spaceSearched = true;
    }
    return pending.space < pending.end ? pending.space : std::string::npos;
}

// True when nothing but blanks follows the space at `space`. Trimming the pending text's end
// removes only blanks, so the answer for one space holds until the buffer changes.
bool RestIsBlank(TPendingText& pending, std::size_t space) {
    if (pending.blankCheckedAt != space) {
        pending.blankCheckedAt = space;
        pending.restBlank =
            IsBlank(std::string_view(pending.text).substr(space + 1, pending.end - space - 1));
    }
    return pending.restBlank;
}

// The pending text becomes text[from, to) followed by the end marker.
void EndWithMarker(TSayText& engine, TPendingText& pending, std::size_t from, std::size_t to) {
    pending.text.resize(to);
    pending.text += kEnd;
    pending.start = from;
    pending.end = pending.text.size();
    pending.lowered = std::min(pending.lowered, to);
    if (pending.space != std::string::npos && pending.space >= to) {
        pending.space = std::string::npos;  // the marker holds no space
    }
    pending.blankCheckedAt = std::string::npos;
    engine.TextRestart = true;
}

}  // namespace

TPendingText TakePending(TSayText& engine) {
    TPendingText pending;
    pending.text = std::move(engine.PendingText);
    engine.PendingText.clear();
    pending.end = pending.text.size();
    return pending;
}

void StorePending(TSayText& engine, TPendingText& pending) {
    if (pending.cut) {
        Settings.LastRemainder.assign(pending.text, pending.remainderStart,
                                      pending.remainderEnd - pending.remainderStart);
    }
    pending.text.resize(pending.end);
    pending.text.erase(0, pending.start);
    engine.PendingText = std::move(pending.text);
}

bool IsNewText(const TSayText& engine, const TPendingText& pending) {
    if (engine.TextRestart) {
        return true;
    }
    if (!pending.cut) {
        return pending.View() != Settings.LastRemainder;
    }
    // Since the last cut the range has only shrunk: it is the same text if it kept its bounds.
    return pending.start != pending.remainderStart || pending.end != pending.remainderEnd;
}

void RefreshForNewText(TSayText& engine, TPendingText& pending) {
    engine.ReloadUserDictionaryIfChanged();
    engine.ReadEngineSettings();
    for (std::size_t i = std::max(pending.start, pending.lowered); i < pending.end; ++i) {
        pending.text[i] = LowerChar(pending.text[i]);
    }
    pending.lowered = std::max(pending.lowered, pending.end);
    engine.TextRestart = false;
}

void CutChunk(TSayText& engine, TPendingText& pending) {
    const std::size_t space = engine.WordMode ? std::string::npos : FirstSpace(pending);
    const std::size_t chunkEnd = space == std::string::npos ? pending.end : space + 1;
    const std::size_t length = chunkEnd - pending.start;
    const bool isLong = length > kLongChunk && length > kChunkLength;
    engine.ChunkText.assign(pending.text, pending.start, std::min(length, kChunkLength));
    // The characters after the 120th of a long chunk stay in front of what follows it.
    const std::size_t next = isLong ? pending.start + kChunkLength : chunkEnd;
    if (space == std::string::npos || RestIsBlank(pending, space)) {
        EndWithMarker(engine, pending, next, chunkEnd);
    } else {
        pending.start = next;
    }
    pending.cut = true;
    pending.remainderStart = pending.start;
    pending.remainderEnd = pending.end;
}

}  // namespace vokadlo
