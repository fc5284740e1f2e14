#include "text/TagSpans.h"

namespace vokadlo {

std::size_t FindInTagWindow(std::string_view s, std::string_view chars) {
    const std::size_t found = s.substr(1, kTagWindow).find_first_of(chars);
    return found == std::string_view::npos ? 0 : found + 1;
}

TTagSplit SplitTags(std::string_view s) {
    TTagSplit split;
    std::size_t start = 0;
    while (start < s.size() && IsTagOpening(s[start])) {
        const char closing = TagClosing(s[start]);
        const std::size_t length =
            FindInTagWindow(s.substr(start), std::string_view(&closing, 1)) + 1;
        split.prefix.append(s.substr(start, length));
        start += length;
    }
    s.remove_prefix(start);
    if (s.find_first_of(kTagOpenings) != std::string_view::npos) {
        const std::size_t wordLength = FindInTagWindow(s, kTagOpenings);
        split.word = s.substr(0, wordLength);
        split.rest = s.substr(wordLength);
    } else {
        split.word = s;
    }
    return split;
}

std::string RemoveBackslashTags(std::string_view s) {
    std::string shown;
    shown.reserve(s.size());
    bool inTag = false;
    for (const char c : s) {
        if (c == '\\') {
            inTag = !inTag;
        } else if (!inTag) {
            shown.push_back(c);
        }
    }
    return shown;
}

}  // namespace vokadlo
