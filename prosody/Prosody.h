// Phrase prosody and sound timing of one prepared chunk.
#pragma once

#include <cstdint>

#include "core/ChunkRecord.h"

namespace vokadlo {

// Decides the chunk's intonation and glide step, every unit's pitch target, tone offsets and
// allophone, then its pause, duration, gain and period trimming. Re-seeds the program-wide
// random source first. `speedPercent` is the engine's duration scale in percent;
// `sentenceEnded` is read and updated (the previous chunk ended a sentence).
void ApplyProsody(TSayWord& word, std::int32_t speedPercent, bool& sentenceEnded);

}  // namespace vokadlo
