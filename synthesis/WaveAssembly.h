// Wave assembly: one prepared chunk into a complete WAV image.
#pragma once

#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "core/ResourceStore.h"
#include "synthesis/Echo.h"
#include "synthesis/RenderBuffers.h"

namespace vokadlo {

// The most sound one chunk's image holds (about 12 minutes), so that no dictionary, tag or
// setting makes a chunk that fills memory.
inline constexpr std::size_t kMaxChunkSampleBytes = std::size_t{32} << 20;

// Replaces `image` with the chunk's WAV image: the 46-byte header template, every unit's
// silence and sound in order up to kMaxChunkSampleBytes (the rest is cut, and
// `buffers.ChunkCut` set), the data size at offset 40, then the echo. Moves
// `word.Intonation` in place in linear mode. Reads the engine-wide settings at every unit.
// Throws std::runtime_error when there is no header template.
void RenderChunk(TSayWord& word, TMemoryStream& image, const TMemoryStream& headerTemplate,
                 TRenderBuffers& buffers, TEchoState& echo, const IResourceStore& resources);

// Appends one unit to `image`: a pause unit's silence of `Duration` ms, or the unit's `Pause` ms
// of silence and then its recording cut into pitch periods, pitch-shifted, lengthened or
// shortened and scaled; at most kMaxUnitSeconds of sound in all, the rest is cut. `word` gives
// the chunk's volume and intonation (moved in place in linear mode). Uses `buffers` as working
// storage; allocates only when a buffer must grow.
void RenderUnit(const TCharacter& unit, TSayWord& word, TMemoryStream& image,
                TRenderBuffers& buffers, const IResourceStore& resources);

}  // namespace vokadlo
