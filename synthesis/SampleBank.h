// The phoneme sample bank: unit codes and where each unit's recording comes from.
// Codes are code page 1250 text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/MemoryStream.h"
#include "core/ResourceStore.h"

namespace vokadlo {

// The pause code: a unit rendered as silence of its duration.
inline constexpr std::string_view kPauseCode = "_";

// Recordings shorter than this (46 bytes skipped at the start, 120 at the end) hold no usable
// samples and count as no recording.
inline constexpr std::size_t kMinRecordingSize = 166;

// Folds a unit's `Sample` field to the code of its recording: the first two characters; space,
// empty, control characters, "!" and "?" become "_"; accented vowels and "w" become their
// base letter. Does not allocate (codes stay within the small-string buffer).
std::string NormalizeUnitCode(std::string_view sample);

// Name of the resource holding the recording of a normalised code: a háček letter is stored under
// its base letter and "v" ("č" as "cv"); every other code is its own name.
std::string_view ResourceNameOf(std::string_view code);

// The recording's path on disk: SampleFolder ("\" read as "/") + "/" + code in UTF-8 + ".wav".
std::string DiskRecordingPath(std::string_view code);

// The whole recording (header and trailing chunk included) of a normalised code without copying
// a built-in one: a view of the resource in `resources`, or, when Settings.SamplesFromDisk is set
// (read at every call), of `diskSink` (cleared, then filled from the disk file). Empty for a code
// without a recording, a missing or unreadable file, a path that is not a regular file, or a disk
// file shorter than kMinRecordingSize bytes or longer than 32-bit byte counts reach. The view
// stays valid until `diskSink` or the store changes.
std::span<const std::uint8_t> PhonemeSampleBytes(std::string_view code,
                                                 const IResourceStore& resources,
                                                 TMemoryStream& diskSink);

}  // namespace vokadlo
