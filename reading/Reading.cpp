// The reading stage's entry: the text cut into stretches, each tokenised and run through the
// passes in their fixed order, the tokens' texts joined with their pieces.
#include "reading/Reading.h"

#include <algorithm>
#include <iterator>

#include "reading/Passes.h"
#include "reading/Tokens.h"

namespace vokadlo {

namespace {

// Stretches are cut at a line break once this long, so the token list stays small; what the
// passes read never spans a line break.
constexpr std::size_t kStretch = 16 * 1024;
// Without a line break, at white space once this long; without white space, anywhere between
// two characters.
constexpr std::size_t kLongStretch = 64 * 1024;
constexpr std::size_t kHardStretch = 256 * 1024;

bool IsBreakableSpace(char c) {
    return c == ' ' || c == '\t';
}

// The end of the stretch that begins at `begin`.
std::size_t StretchEnd(std::string_view text, std::size_t begin) {
    if (text.size() - begin <= kStretch) {
        return text.size();
    }
    const std::size_t line = text.find('\n', begin + kStretch);
    if (line != std::string_view::npos && line - begin <= kLongStretch) {
        return line + 1;
    }
    const std::size_t hard = std::min(text.size(), begin + kHardStretch);
    for (std::size_t i = begin + kLongStretch; i < hard; ++i) {
        if (IsBreakableSpace(text[i])) {
            return i + 1;
        }
    }
    std::size_t end = hard;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        ++end;  // not inside a UTF-8 sequence
    }
    return end;
}

// A new piece starts at every token but untouched spaces and punctuation, which join the piece
// before them (unless that is a tag's), so a piece is a word with what trails it.
bool StartsPiece(const TToken& token, bool afterTag) {
    return afterTag || !(token.kind == TTokenKind::Space || token.kind == TTokenKind::Punctuation);
}

void Append(TReadingResult& result, const TTokenList& list) {
    bool afterTag = true;
    for (const TToken& token : list.tokens) {
        if (result.pieces.empty() || StartsPiece(token, afterTag)) {
            result.pieces.push_back({result.text.size(), token.inBegin, token.inLength});
        } else {
            TReadingPiece& piece = result.pieces.back();
            piece.inLength = token.inBegin + token.inLength - piece.inBegin;
        }
        afterTag = token.kind == TTokenKind::Tag;
        result.text += token.text;
    }
}

}  // namespace

std::size_t TReadingResult::SourceOffset(std::size_t out) const {
    if (pieces.empty()) {
        return 0;
    }
    if (out >= text.size()) {
        const TReadingPiece& last = pieces.back();
        return last.inBegin + last.inLength;
    }
    auto after =
        std::upper_bound(pieces.begin(), pieces.end(), out,
                         [](std::size_t o, const TReadingPiece& p) { return o < p.outBegin; });
    return after == pieces.begin() ? 0 : std::prev(after)->inBegin;
}

TReadingResult ReadAsCzech(std::string_view utf8, const TReadingOptions& options) {
    TReadingResult result;
    result.text.reserve(utf8.size() + utf8.size() / 4);
    for (std::size_t begin = 0; begin < utf8.size();) {
        const std::size_t end = StretchEnd(utf8, begin);
        TTokenList list = Tokenise(utf8, begin, end, {.tags = options.tags});
        for (const TNamedPass& pass : kReadingPasses) {
            pass.run(list);
            list.Compact();
        }
        Append(result, list);
        begin = end;
    }
    return result;
}

}  // namespace vokadlo
