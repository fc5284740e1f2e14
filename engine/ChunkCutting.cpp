// The queue side of chunk preparation: recognising a new text and cutting the next chunk.
#include <algorithm>

#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/TextPipeline.h"

namespace vokadlo {
namespace {

constexpr std::string_view kEnd = kEndMarker;
// Below this many consumed bytes the buffer is never compacted.
constexpr std::size_t kCompactAbove = 4096;

// The first space of the pending text, or npos. The search goes on from the last space found,
// so the scans of one preparation together cover the text once.
std::size_t FirstSpace(TPendingText& pending) {
    if (!pending.spaceSearched ||
        (pending.space != std::string::npos && pending.space < pending.start)) {
        pending.space = pending.Text().find(' ', pending.start);
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
            IsBlank(std::string_view(pending.Text()).substr(space + 1, pending.end - space - 1));
    }
    return pending.restBlank;
}

// The pending text becomes text[from, to) followed by the end marker. A range that ends where
// its buffer ends (the rest of a text without spaces, cut 120 characters at a time) gets the
// marker appended in place: every view of the buffer ends at `to` at the most, so none of them
// changes, and no chunk copies the rest of the text. Otherwise the range is copied into a buffer
// of its own (what is left is at most a chunk's tail).
void EndWithMarker(TSayText& engine, TPendingText& pending, std::size_t from, std::size_t to) {
    if (to == pending.end && to == pending.Text().size()) {
        pending.buffer->append(kEnd);
        pending.start = from;
        pending.end = pending.buffer->size();
        pending.lowered = std::min(pending.lowered, to);
        // The marker holds no space and no backslash: the searches found so far still hold.
        pending.blankCheckedAt = std::string::npos;
        engine.TextRestart = true;
        return;
    }
    auto buffer = std::make_shared<std::string>();
    buffer->reserve(to - from + kEnd.size());
    buffer->append(pending.Text(), from, to - from).append(kEnd);
    pending.buffer = std::move(buffer);
    pending.start = 0;
    pending.end = pending.buffer->size();
    pending.lowered = pending.lowered > from ? std::min(pending.lowered, to) - from : 0;
    pending.space = std::string::npos;  // searched again in the new buffer
    pending.spaceSearched = false;
    pending.blankCheckedAt = std::string::npos;
    engine.TextRestart = true;
}

}  // namespace

TPendingText TakePending(TSayText& engine) {
    TPendingText pending;
    if (engine.PendingText.Buffer()) {
        pending.buffer = engine.PendingText.Buffer();
        pending.start = pending.lowered = engine.PendingText.Start();
        pending.end = engine.PendingText.End();
        // What an earlier preparation lower-cased in this buffer is lower-case still: buffers
        // are only ever lowered or appended to.
        const TSayText::TLoweredMark& mark = engine.PendingLowered;
        if (!mark.buffer.owner_before(pending.buffer) &&
            !pending.buffer.owner_before(mark.buffer) && !mark.buffer.expired()) {
            pending.lowered = std::max(pending.start, std::min(mark.upTo, pending.end));
        }
    }
    engine.PendingText.clear();
    return pending;
}

void StorePending(TSayText& engine, TPendingText& pending) {
    // A consumed part longer than what is kept is dropped (copying the kept part), so that
    // the buffer stays within twice the text still needed.
    const std::size_t keepFrom =
        pending.cut ? std::min(pending.start, pending.remainderStart) : pending.start;
    const std::size_t keepTo =
        pending.cut ? std::max(pending.end, pending.remainderEnd) : pending.end;
    if (keepFrom > kCompactAbove && keepFrom > keepTo - keepFrom) {
        pending.buffer = std::make_shared<std::string>(pending.Text(), keepFrom, keepTo - keepFrom);
        pending.start -= keepFrom;
        pending.end -= keepFrom;
        pending.lowered -= std::min(pending.lowered, keepFrom);
        pending.remainderStart -= std::min(pending.remainderStart, keepFrom);
        pending.remainderEnd -= std::min(pending.remainderEnd, keepFrom);
    }
    if (pending.cut) {
        Settings.LastRemainder =
            TSharedText(pending.buffer, pending.remainderStart, pending.remainderEnd);
    }
    engine.PendingText = TSharedText(pending.buffer, pending.start, pending.end);
    engine.PendingLowered = {pending.buffer, pending.lowered};
}

bool IsNewText(const TSayText& engine, const TPendingText& pending) {
    if (engine.TextRestart) {
        return true;
    }
    if (!pending.cut) {
        // Shared bounds answer at once; only a text changed from outside is compared.
        return !(TSharedText(pending.buffer, pending.start, pending.end) == Settings.LastRemainder);
    }
    // Since the last cut the range has only shrunk: it is the same text if it kept its bounds.
    return pending.start != pending.remainderStart || pending.end != pending.remainderEnd;
}

void RefreshForNewText(TSayText& engine, TPendingText& pending) {
    engine.ReloadUserDictionaryIfChanged();
    engine.ReadEngineSettings();
    const std::size_t from = std::max(pending.start, pending.lowered);
    if (from < pending.end) {
        // The last remainder, the buffer's only other view then, is compared before this and
        // replaced after the cut that follows: lowering in place changes nothing anyone reads.
        const bool onlyTheRemainder =
            pending.buffer.use_count() == 2 && Settings.LastRemainder.Buffer() == pending.buffer;
        std::string& text = onlyTheRemainder ? *pending.buffer : pending.Writable();
        for (std::size_t i = from; i < pending.end; ++i) {
            text[i] = LowerChar(text[i]);
        }
    }
    pending.lowered = std::max(pending.lowered, pending.end);
    engine.TextRestart = false;
}

void CutChunk(TSayText& engine, TPendingText& pending) {
    const std::size_t space = engine.WordMode ? std::string::npos : FirstSpace(pending);
    const std::size_t chunkEnd = space == std::string::npos ? pending.end : space + 1;
    const std::size_t length = chunkEnd - pending.start;
    const bool isLong = length > kLongChunk && length > kChunkLength;
    engine.ChunkText.assign(pending.Text(), pending.start, std::min(length, kChunkLength));
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

std::size_t LastBackslash(TSayText& engine, const TPendingText& pending) {
    TSayText::TBackslashCache& cache = engine.PendingBackslash;
    const bool same = !cache.buffer.owner_before(pending.buffer) &&
                      !pending.buffer.owner_before(cache.buffer) && !cache.buffer.expired();
    if (!same) {
        cache.buffer = pending.buffer;
        cache.at = pending.Text().rfind('\\');
    }
    if (cache.at == std::string::npos || cache.at < pending.start || cache.at >= pending.end) {
        // None in the range: a "\" behind the start has been consumed, none can follow the end.
        return std::string::npos;
    }
    return cache.at - pending.start;
}

}  // namespace vokadlo
