// The phoneme sample bank: unit codes and where each unit's recording comes from.
// Codes are code page 1250 text.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/MemoryStream.h"
#include "core/ResourceStore.h"

namespace vokadlo {

// The pause code: a unit rendered as silence of its duration.
inline constexpr std::string_view kPauseCode = "_";

// Recordings shorter than this (46 bytes skipped at the start, 120 at the end) hold no usable
// samples and count as no recording.
inline constexpr std::size_t kMinRecordingSize = 166;

// The codes of the voice's 34 recordings, in the order of its inventory.
extern const std::array<std::string_view, 34> kRecordingCodes;

// Folds a unit's `Sample` field to the code of its recording: the first two characters; space,
// empty, control characters, "!" and "?" become "_"; accented vowels and "w" become their
// base letter. Does not allocate (codes stay within the small-string buffer).
std::string NormalizeUnitCode(std::string_view sample);

// Name of the resource holding the recording of a normalised code: a háček letter is stored under
// its base letter and "v" ("č" as "cv"); every other code is its own name.
std::string_view ResourceNameOf(std::string_view code);

// The recording's path on disk: SampleFolder ("\" read as "/") + "/" + code in UTF-8 + ".wav".
std::string DiskRecordingPath(std::string_view code);

// The disk file of a normalised code: DiskRecordingPath when that is a regular file, otherwise
// the regular file in the folder named so but for the case of its letters (the voice's own
// folder spells them "A.wav", "CH.wav"), otherwise, for a háček letter, the one named after its
// resource ("CV.wav" for "č"). Empty when there is none. Among several that differ only in case,
// the first in byte order.
std::string FindDiskRecording(std::string_view code);

// Why `bytes` read from disk are no recording, or empty when they are one: a canonical header
// (RIFF WAVE, a 16-byte "fmt " of mono 16-bit PCM at 22050 Hz, "data" at 36) whose declared data
// size the bytes hold, and at least kMinRecordingSize bytes in all.
std::string RecordingProblem(std::span<const std::uint8_t> bytes);

// How many of the 34 recordings Settings.SampleFolder holds as usable disk recordings.
std::int32_t CountDiskRecordings();

// The whole recording (header and trailing chunk included) of a normalised code without copying
// a built-in one: a view of the resource in `resources`, or, when Settings.SamplesFromDisk is set
// (read at every call), of `diskSink` (cleared, then filled from FindDiskRecording's file). Empty
// for a code without a recording, a missing or unreadable file, or a disk file that is no
// recording (RecordingProblem, or longer than 32-bit byte counts reach); such a file's path and
// problem, or the path a missing recording of the voice was looked for at, are added to
// `refused` as one line, unless that line is there already. The view stays
// valid until `diskSink` or the store changes.
std::span<const std::uint8_t> PhonemeSampleBytes(std::string_view code,
                                                 const IResourceStore& resources,
                                                 TMemoryStream& diskSink,
                                                 std::vector<std::string>* refused = nullptr);

}  // namespace vokadlo
