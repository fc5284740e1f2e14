// The reading stage's entry: the text cut into stretches, each tokenised and run through the
// passes in their fixed order, the tokens' texts joined with their pieces.
#include "reading/Reading.h"

#include <algorithm>
#include <iterator>

#include "core/Cp1250Table.h"
#include "reading/CzechNumbers.h"
#include "reading/Grammar.h"
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

// The UTF-8 length of the character a code page 1250 byte stands for.
std::size_t Utf8Length(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
        return 1;
    }
    return cp1250::kHighHalf[b - 0x80] < 0x800 ? 2 : 3;
}

// True when every byte of the token's text is one character of its input, in order, of the
// length the byte's character has in UTF-8 (not so for read words, converted spaces, foreign
// characters and malformed bytes).
bool IsVerbatim(const TToken& token, std::string_view input) {
    if (token.kind == TTokenKind::Read) {
        return false;
    }
    std::size_t pos = token.inBegin;
    const std::size_t end = token.inBegin + token.inLength;
    for (char c : token.text) {
        char32_t cp = 0;
        const std::size_t length = pos < end ? cp1250::DecodeUtf8(input, pos, cp) : 0;
        if (length == 0 || length != Utf8Length(c)) {
            return false;
        }
        pos += length;
    }
    return pos == end;
}

// Untouched tokens join the verbatim piece before them while it stays short; every other
// token makes a piece of its own. A token without output joins the piece before it.
void Append(TReadingResult& result, const TTokenList& list) {
    bool sealed = true;  // the piece before takes no more tokens
    for (const TToken& token : list.tokens) {
        if (token.text.empty()) {
            if (!result.pieces.empty()) {
                TReadingPiece& piece = result.pieces.back();
                piece.inLength = token.inBegin + token.inLength - piece.inBegin;
            }
            sealed = true;
            continue;
        }
        const bool verbatim = token.text.size() <= kVerbatimPiece && IsVerbatim(token, list.input);
        const bool joins = verbatim && !sealed && result.pieces.back().verbatim &&
                           result.text.size() + token.text.size() - result.pieces.back().outBegin <=
                               kVerbatimPiece;
        if (joins) {
            TReadingPiece& piece = result.pieces.back();
            piece.inLength = token.inBegin + token.inLength - piece.inBegin;
        } else {
            result.pieces.push_back({result.text.size(), token.inBegin, token.inLength, verbatim});
        }
        sealed = false;
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
    if (after == pieces.begin()) {
        return 0;
    }
    const TReadingPiece& piece = *std::prev(after);
    std::size_t in = piece.inBegin;
    if (piece.verbatim) {
        for (std::size_t k = piece.outBegin; k < out; ++k) {
            in += Utf8Length(text[k]);
        }
    }
    return in;
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

std::string OrdinalName(unsigned n) {
    return OrdinalWords(n, TGender::Inanimate, TGramCase::Nominative);
}

std::string MonthNominative(int month) {
    return std::string(MonthName(month, TGramCase::Nominative));
}

}  // namespace vokadlo
