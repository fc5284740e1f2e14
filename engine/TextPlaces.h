// Where each byte of the text the engine is given came from in the text a host handed to the
// session: through the encoding's conversion and, in the Czech reading mode, through the reading
// stage's pieces. Chunks and tag errors are reported in the host's own text with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reading/Reading.h"

namespace vokadlo {

class TTextPlaces {
  public:
    TTextPlaces() = default;
    TTextPlaces(const TTextPlaces&) = delete;  // its walk views its own text
    TTextPlaces& operator=(const TTextPlaces&) = delete;

    // The host's text is UTF-8 (`utf8`) or code page 1250. The engine's text is the host's
    // text converted character for character (one engine byte per character), or, when
    // `pieces` are given, what the reading stage made of `readingInput`, the host's text in
    // UTF-8, piece by piece. Keeps a copy of the UTF-8 text it needs and takes the pieces.
    void Reset(std::string_view hostText, bool utf8);
    void Reset(std::string_view readingInput, bool utf8, std::vector<TReadingPiece> pieces);

    // The bytes [first, second) of the host's text that the engine's bytes [begin, end) came
    // from (begin < end). Linear over a text when the ranges asked for move forward.
    std::pair<std::size_t, std::size_t> HostRange(std::size_t begin, std::size_t end);

    // The character of the host's text, counted from 1, where the engine's byte `at` came from.
    std::size_t HostCharacter(std::size_t at);

  private:
    // Moves between character numbers and byte offsets of a UTF-8 text (a malformed byte is a
    // character of its own), forward from where it last stood.
    class TUtf8Walk {
      public:
        void Reset(std::string_view text);
        std::size_t ByteOf(std::size_t character);
        std::size_t CharacterOf(std::size_t byte);

      private:
        struct TPlace {
            std::size_t characters = 0;
            std::size_t bytes = 0;
        };
        void Step();
        void Seek(bool ahead, bool behindMark);
        std::string_view text_;
        TPlace here_;
        TPlace mark_;  // where the last stretch walked forward began
    };

    // The reading input's offset of the engine's byte `at`; `end` asks for the end of its
    // character, or of its piece where the piece was not copied character for character.
    std::size_t ReadingOffset(std::size_t at, bool end) const;

    bool utf8_ = false;
    bool reading_ = false;
    std::string text_;  // the reading's input, or a UTF-8 host's text
    std::vector<TReadingPiece> pieces_;
    TUtf8Walk walk_;  // over text_
};

}  // namespace vokadlo
