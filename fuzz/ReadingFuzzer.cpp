// Fuzz target: any bytes as a host's text for the reading stage. The reading stays within a
// bound of the input's size, keeps every inline tag of the input in order, and its pieces cover
// the output in order without going backwards in the input, each output byte mapped into its
// piece's input.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reading/Reading.h"
#include "reading/Tokens.h"

using namespace vokadlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TReadingResult result = ReadAsCzech(bytes);
    if (result.text.size() > kReadingGrowth * size + kReadingSlack) {
        __builtin_trap();
    }
    // Every tag of the input, in its order (tags are found the same way in any stretch).
    std::size_t from = 0;
    for (const TToken& token : Tokenise(bytes, 0, size).tokens) {
        if (token.kind == TTokenKind::Tag) {
            from = result.text.find(token.text, from);
            if (from == std::string_view::npos) {
                __builtin_trap();
            }
            from += token.text.size();
        }
    }
    for (std::size_t i = 0; i < result.pieces.size(); ++i) {
        const TReadingPiece& piece = result.pieces[i];
        const bool ordered = i == 0 ? piece.outBegin == 0
                                    : piece.outBegin > result.pieces[i - 1].outBegin &&
                                          piece.inBegin >= result.pieces[i - 1].inBegin;
        if (!ordered || piece.inBegin + piece.inLength > size) {
            __builtin_trap();
        }
        // Each output byte of the piece maps into the piece's input.
        const std::size_t outEnd =
            i + 1 < result.pieces.size() ? result.pieces[i + 1].outBegin : result.text.size();
        for (std::size_t out = piece.outBegin; out < outEnd; ++out) {
            const std::size_t in = result.SourceOffset(out);
            if (in < piece.inBegin || in > piece.inBegin + piece.inLength) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
