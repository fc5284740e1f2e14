#include "engine/TextPlaces.h"

#include <algorithm>
#include <iterator>

#include "core/CodePage.h"
#include "core/Cp1250Table.h"

namespace vokadlo {

void TTextPlaces::TUtf8Walk::Reset(std::string_view text) {
    text_ = text;
    here_ = {};
    mark_ = {};
}

void TTextPlaces::TUtf8Walk::Step() {
    char32_t cp = 0;
    const std::size_t length = cp1250::DecodeUtf8(text_, here_.bytes, cp);
    here_.bytes += length == 0 ? 1 : length;
    ++here_.characters;
}

void TTextPlaces::TUtf8Walk::Seek(bool ahead, bool behindMark) {
    // The places asked for move forward but for a step back within the last stretch walked: a
    // place behind is walked to again from where that stretch began, or from the start.
    if (ahead) {
        mark_ = here_;
    } else {
        here_ = behindMark ? TPlace{} : mark_;
        mark_ = here_;
    }
}

std::size_t TTextPlaces::TUtf8Walk::ByteOf(std::size_t character) {
    Seek(character >= here_.characters, character < mark_.characters);
    while (here_.characters < character && here_.bytes < text_.size()) {
        Step();
    }
    return here_.bytes;
}

std::size_t TTextPlaces::TUtf8Walk::CharacterOf(std::size_t byte) {
    Seek(byte >= here_.bytes, byte < mark_.bytes);
    while (here_.bytes < byte && here_.bytes < text_.size()) {
        Step();
    }
    return here_.characters;
}

void TTextPlaces::Reset(std::string_view hostText, bool utf8) {
    utf8_ = utf8;
    reading_ = false;
    text_.assign(utf8 ? hostText : std::string_view());
    pieces_.clear();
    walk_.Reset(text_);
}

void TTextPlaces::Reset(std::string_view readingInput, bool utf8,
                        std::vector<TReadingPiece> pieces) {
    utf8_ = utf8;
    reading_ = true;
    // A code page 1250 host's offsets are the characters of the reading's UTF-8 input.
    text_.assign(readingInput);
    pieces_ = std::move(pieces);
    walk_.Reset(text_);
}

std::size_t TTextPlaces::ReadingOffset(std::size_t at, bool end) const {
    if (pieces_.empty()) {
        return 0;
    }
    auto after =
        std::upper_bound(pieces_.begin(), pieces_.end(), at,
                         [](std::size_t o, const TReadingPiece& p) { return o < p.outBegin; });
    const TReadingPiece& piece = after == pieces_.begin() ? pieces_.front() : *std::prev(after);
    if (!piece.verbatim) {
        return end ? piece.inBegin + piece.inLength : piece.inBegin;
    }
    // Copied character for character (a short piece): the same character of the input.
    TUtf8Walk walk;
    walk.Reset(std::string_view(text_).substr(std::min(piece.inBegin, text_.size())));
    return piece.inBegin + walk.ByteOf(at - piece.outBegin + (end ? 1 : 0));
}

std::pair<std::size_t, std::size_t> TTextPlaces::HostRange(std::size_t begin, std::size_t end) {
    if (reading_) {
        std::size_t first = ReadingOffset(begin, false);
        std::size_t last = std::max(first, ReadingOffset(end - 1, true));
        if (!utf8_) {
            first = walk_.CharacterOf(first);
            last = walk_.CharacterOf(last);
        }
        return {first, last};
    }
    if (utf8_) {
        const std::size_t first = walk_.ByteOf(begin);
        return {first, walk_.ByteOf(end)};
    }
    return {begin, end};
}

std::size_t TTextPlaces::HostCharacter(std::size_t at) {
    if (reading_) {
        return walk_.CharacterOf(ReadingOffset(at, false)) + 1;
    }
    return at + 1;
}

}  // namespace vokadlo
