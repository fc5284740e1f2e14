// Builds the engine text of an SSML document piece by piece: the document's text as plain
// words, the reader's own mark, tempo and volume tags placed where the engine reads them, and
// sentence ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ssml/Ssml.h"

namespace vokadlo::ssml {

// Bytes of the UTF-8 character that starts `text` (not empty): its sequence when its
// continuation bytes are there, else 1 (a stray byte).
std::size_t CharacterLength(std::string_view text);

class TSsmlWriter {
  public:
    explicit TSsmlWriter(const TSsmlOptions& options);

    // The document's text (UTF-8): blanks and control characters separate words, "\" and "{"
    // read as spaces, characters code page 1250 lacks too.
    void Text(std::string_view utf8);
    // Text of the reader's own (say-as, sub): the same, without the host's character words.
    void OwnText(std::string_view utf8);
    void Space() { spaceDue_ = true; }
    void Mark(std::string name);
    // Silence before the next word; adjacent breaks add up (to kMaxBreakMs).
    void Break(std::int32_t ms);
    // A sentence or paragraph ends: a full stop unless the text already ends one.
    void SentenceEnd();
    // Tempo (duration percent) and volume (63750 = x1.0) of the words from here on.
    void SetTempo(double speedPercent);
    void SetVolume(double volume);
    // The voice the document asks for (the first <voice> decides).
    void Voice(std::optional<std::int32_t> voice) { result_.voice = voice; }

    TSsmlText Finish();

  private:
    void Character(std::string_view c, bool hostWords);
    void Glyph(std::string_view c);
    void PlaceTags();

    const TSsmlOptions& options_;
    TSsmlText result_;
    std::vector<std::int32_t> pendingMarks_;
    std::int32_t pendingBreak_ = 0;  // mark number of the break waiting for a word, or 0
    bool spaceDue_ = false;
    bool sentenceOpen_ = false;  // a word was written since the last sentence end
    std::int32_t speedTag_;      // the "spd" value in force, and the one wanted from here on
    std::int32_t wantedSpeedTag_;
    std::int32_t volumeTag_;
    std::int32_t wantedVolumeTag_;
};

}  // namespace vokadlo::ssml
