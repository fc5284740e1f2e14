// The header template and the silent image every WAV image of the engine is built from.
#pragma once

#include <cstdint>

#include "core/MemoryStream.h"
#include "core/ResourceStore.h"

namespace vokadlo {

inline constexpr std::size_t kHeaderTemplateSize = 46;
inline constexpr std::size_t kSilenceImageSize = 48;
inline constexpr std::size_t kDataSizeOffset = 40;

// Writes `bytes` as the image's data size: 32-bit little-endian at offset 40 (the image holds at
// least the 46 header bytes).
void WriteDataSize(TMemoryStream& image, std::uint32_t bytes);

// Builds `headerTemplate` (the first 46 bytes of recording A) and `silenceImage` (those bytes,
// data size 2, then two zero bytes) from the resource store, once: does nothing when the
// template exists. Throws std::runtime_error when recording A is missing or too short.
void LoadHeaderTemplate(const IResourceStore& resources, TMemoryStream& headerTemplate,
                        TMemoryStream& silenceImage);

}  // namespace vokadlo
