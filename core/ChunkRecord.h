// The chunk record: one prepared chunk of text and its sound units.
//
// The text pipeline resets and fills a record, the tag reader adjusts the unit being built, the
// prosody chooses samples, pauses, durations and pitch targets, and the wave assembly renders it.
// All text is code page 1250, one byte per character.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/MemoryStream.h"

namespace vokadlo {

// "~" in `Prev` or `Next` means there is no neighbouring character.
inline constexpr char kNoNeighbour = '~';

// Bookmark places per unit; 0 marks a free place.
inline constexpr int kMarkPlaces = 10;

// No unit sounds longer than this, silence included, whatever the settings store, the host or
// the tags ask for: the prosody clamps every pause and duration to it, and the wave assembly
// stops a unit's output there.
inline constexpr std::int32_t kMaxUnitSeconds = 10;
inline constexpr std::int32_t kMaxUnitMs = 1000 * kMaxUnitSeconds;

// One sound unit: one character of the processed chunk text (or the digraph "ch").
struct TCharacter {
    std::string Prev;    // character before the unit; for the first unit its own character
    std::string Letter;  // character at the unit ("c" for the digraph "ch"); may be empty
    std::string Sample;  // unit code selecting the recording: one or two characters
    std::string Next;    // character after the unit; "~" when it ends the chunk text
    std::int32_t FirstPeriod = 0;  // first pitch period to output, 1-based; 0 means 1
    std::int32_t EndCut = 0;       // pitch periods dropped at the end of the recording
    std::int32_t Pause = 0;        // ms of silence written before the unit
    std::int32_t Duration = 0;     // ms: length of a pause unit, target length of a sound
    double Gain = 0.0;             // amplitude factor of the recording
    std::int32_t Volume = 0;       // 63750 = x1.0; 0 = no volume scaling
    std::int32_t Pitch = 0;        // pitch target, in the unit of `Intonation`
    std::int16_t ToneLo = 0;       // first pitch offset of a toned unit
    std::int16_t ToneHi = 0;       // second pitch offset of a toned unit
    std::int32_t Tone = 0;         // note -12..12 set by a "ton" tag; 0 = none
    std::int32_t Speed = 0;        // duration scale in percent (100 = recorded tempo)
    std::array<std::int32_t, kMarkPlaces> MarksAtStart{};  // bookmarks met before the first unit
    std::array<std::int32_t, kMarkPlaces> Marks{};         // bookmarks met before later units
};

// One prepared chunk. `Chars` grows as needed: a chunk cut to 120 characters can yield more
// units through number conversion and spelling, and none is dropped. Only the first `CharCount`
// entries are meaningful; `Reset` keeps the vector's capacity so steady state allocates nothing.
struct TSayWord {
    std::string Text;             // processed chunk text with its inline tags put back
    double Intonation = 0.0;      // chunk intonation; moved in place by linear intonation
    double IntonationStep = 0.0;  // how far the running intonation may move per period
    std::int32_t CharCount = 0;   // number of units filled in `Chars`
    double WordVolume = 0.0;      // chunk volume, 63750 = x1.0; 0 = no chunk volume factor
    std::vector<TCharacter> Chars;

    // Clears the record: every number 0, every text empty, no units, all bookmark places free.
    void Reset() {
        Text.clear();
        Intonation = 0.0;
        IntonationStep = 0.0;
        CharCount = 0;
        WordVolume = 0.0;
        Chars.clear();
    }
};

// Observes every rendered chunk, for tracing: the record as the prosody left it (before
// rendering moved its intonation), the rendered image, the slot and the display text.
using TChunkObserver = std::function<void(const TSayWord& record, const TMemoryStream& image,
                                          std::uint8_t slot, const std::string& display)>;

}  // namespace vokadlo
