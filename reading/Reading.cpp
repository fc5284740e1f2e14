// The reading stage's entry: the passes in their fixed order over one token list.
#include "reading/Reading.h"

#include <algorithm>
#include <iterator>

#include "core/CodePage.h"

namespace vokadlo {

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

TReadingResult ReadAsCzech(std::string_view utf8, const TReadingOptions& /*options*/) {
    // Until the passes exist: the text converted, one piece for the whole.
    TReadingResult result;
    result.text = Utf8ToCp1250(utf8);
    result.pieces.push_back({0, 0, utf8.size()});
    return result;
}

}  // namespace vokadlo
