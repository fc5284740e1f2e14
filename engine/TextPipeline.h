// The stages of chunk preparation, in the order TSayText::PrepareChunk runs them. Each can be
// called alone. Text is code page 1250; positions in the texts are 1-based where named so.
#pragma once

#include <string>
#include <string_view>

#include "engine/ChunkRecord.h"
#include "engine/SayText.h"

namespace vokadlo {

// A chunk whose characters after the 100th are kept...
inline constexpr std::size_t kLongChunk = 100;
// ...keeps this many; the rest goes back in front of the pending text.
inline constexpr std::size_t kChunkLength = 120;

// True when the pending text starts a new text: `TextRestart` is set, or it differs from the
// remainder the last cut left.
bool IsNewText(const TSayText& engine);

// At a new text: reloads the user dictionary when its file changed (throws when it cannot be
// read), reads the settings store, lower-cases the pending text, clears `TextRestart`.
void RefreshForNewText(TSayText& engine);

// Cuts the next chunk into `ChunkText`: the first word with its space, or (in word mode, or
// for the last word) everything, leaving the end marker pending and raising `TextRestart`.
// Characters after the 120th of a chunk longer than 100 go back in front of the pending
// text. Sets `LastRemainder`.
void CutChunk(TSayText& engine);

// The cleaned and rewritten chunk text: dictionaries, tags set aside, numbers, digits,
// symbols, the leading "_", spelling, tags put back. Reads the engine's lists and the
// pending text (the text after the chunk).
std::string ConvertChunk(std::string_view chunk, const TSayText& engine);

// Clears the current slot's record and builds one unit per character of `s` (the digraph
// "ch" is one unit), reading the tags where they stand. Returns the letters: the characters
// units were built at, the last character of `s` not counted. Throws EConvertError for a
// "ton", "spd" or "mrk" value that cannot be read. Grows the record's unit list as needed.
std::string BuildUnits(TSayText& engine, const std::string& s);

// When the letters are blank the pending text is trimmed; true when the chunk is then to be
// skipped, that is when more than the end marker follows.
bool SkipEmptyChunk(TSayText& engine, std::string_view letters);

// Unit count, processed text and chunk volume of a built record; `unitCount` units built.
void CompleteRecord(TSayWord& word, std::string text, std::int32_t unitCount);

}  // namespace vokadlo
