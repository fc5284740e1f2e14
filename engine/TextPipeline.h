// The stages of chunk preparation, in the order TSayText::PrepareChunk runs them. Each can be
// called alone. Text is code page 1250; positions in the texts are 1-based where named so.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ChunkRecord.h"
#include "engine/SayText.h"

namespace vokadlo {

// A chunk whose characters after the 100th are kept...
inline constexpr std::size_t kLongChunk = 100;
// ...keeps this many; the rest goes back in front of the pending text.
inline constexpr std::size_t kChunkLength = 120;

// The pending text while one preparation cuts and skips chunks: the range [start, end) of a
// buffer that the engine's `PendingText` and `LastRemainder` may share. Cutting a chunk or
// trimming moves the range's bounds, so a chunk costs about its own length, not the length of
// the whole text. The buffer is written only once it is this preparation's own (`Writable`),
// or where no other view sees the change: past every view's end, or where only the last
// remainder, which the next cut replaces, looks.
struct TPendingText {
    std::shared_ptr<std::string> buffer = std::make_shared<std::string>();
    std::size_t start = 0;
    std::size_t end = 0;
    // text[start, lowered) is lower-case already; lower-casing is idempotent, so a new-text
    // refresh lower-cases only what lies beyond.
    std::size_t lowered = 0;
    // The first space at or after the scan's origin (npos: none up to the buffer's end), and
    // whether it has been searched yet.
    std::size_t space = std::string::npos;
    bool spaceSearched = false;
    // The space whose rest was last checked for being blank, and the answer.
    std::size_t blankCheckedAt = std::string::npos;
    bool restBlank = false;
    // Once a chunk is cut, `LastRemainder` is text[remainderStart, remainderEnd).
    bool cut = false;
    std::size_t remainderStart = 0;
    std::size_t remainderEnd = 0;

    const std::string& Text() const { return *buffer; }
    // The buffer to write into, copied first while another text shares it.
    std::string& Writable() {
        if (buffer.use_count() > 1) {
            buffer = std::make_shared<std::string>(*buffer);
        }
        return *buffer;
    }
    std::string_view View() const { return std::string_view(*buffer).substr(start, end - start); }
};

// Moves the engine's pending text into a `TPendingText` (the engine's is empty until
// `StorePending`).
TPendingText TakePending(TSayText& engine);

// Writes the pending text back to the engine and, when a chunk was cut, sets `LastRemainder`
// to the remainder that cut left; both share the buffer. Copies only to drop a consumed part
// longer than the rest, so that copying stays linear in the text's length.
void StorePending(TSayText& engine, TPendingText& pending);

// True when the pending text starts a new text: `TextRestart` is set, or it differs from the
// remainder the last cut left.
bool IsNewText(const TSayText& engine, const TPendingText& pending);

// At a new text: reloads the user dictionary when its file changed (throws when it cannot be
// read), reads the settings store, lower-cases the pending text, clears `TextRestart`.
void RefreshForNewText(TSayText& engine, TPendingText& pending);

// Cuts the next chunk into `ChunkText`: the first word with its space, or (in word mode, or
// for the last word) everything, leaving the end marker pending and raising `TextRestart`.
// Characters after the 120th of a chunk longer than 100 go back in front of the pending
// text. Records the remainder as the new `LastRemainder`.
void CutChunk(TSayText& engine, TPendingText& pending);

// The cleaned and rewritten chunk text: dictionaries, tags set aside, numbers, digits,
// symbols, the leading "_", spelling, tags put back. Reads the engine's lists and the
// pending text (the text after the chunk). A text the dictionaries took past kRewriteLimit
// gets no conversion; the first such text of the engine gives a notice.
std::string ConvertChunk(std::string_view chunk, TSayText& engine);
// The same, with `pending` as the text after the chunk instead of the engine's `PendingText`.
// `lastBackslash`: the offset of the last "\" in `pending` (npos: none) when known.
std::string ConvertChunk(std::string_view chunk, TSayText& engine, std::string_view pending,
                         std::optional<std::size_t> lastBackslash = std::nullopt);

// The offset in the pending range of its buffer's last "\" (npos: none), found once per
// buffer: the buffer only loses text at its ends, and lower-casing leaves every "\".
std::size_t LastBackslash(TSayText& engine, const TPendingText& pending);

// Clears the current slot's record and builds one unit per character of `s` (the digraph
// "ch" is one unit), reading the tags where they stand. Returns the letters: the characters
// units were built at, the last character of `s` not counted. Throws EConvertError for a
// "ton", "spd" or "mrk" value that cannot be read. Grows the record's unit list as needed.
std::string BuildUnits(TSayText& engine, const std::string& s);

// When the letters are blank the pending text is trimmed; true when the chunk is then to be
// skipped, that is when more than the end marker follows.
bool SkipEmptyChunk(TPendingText& pending, std::string_view letters);

// Unit count, processed text and chunk volume of a built record; `unitCount` units built.
void CompleteRecord(TSayWord& word, std::string text, std::int32_t unitCount);

}  // namespace vokadlo
