#include "text/ReplaceAll.h"

#include <algorithm>
#include <vector>

namespace vokadlo {

// Searching from the start after each replacement finds the leftmost occurrence of the key in
// the whole text. Since the part already scanned holds none, the leftmost occurrence is the
// first one that ends at the scan point, so the text is streamed once: `done` holds the
// scanned part, `todo` (reversed) what is still to be read, and a replacement pushes its value
// back onto `todo` so that it is scanned together with the characters before it.
std::string ReplaceAll(std::string_view s, std::string_view key, std::string_view value,
                       std::size_t limit) {
    if (key.empty() || value.find(key) != std::string_view::npos) {
        return std::string(s);
    }
    if (s.find(key) == std::string_view::npos) {
        return std::string(s);
    }
    const std::size_t bound = std::max(limit, s.size());
    std::string done;
    done.reserve(s.size());
    std::vector<char> todo(s.rbegin(), s.rend());
    // A row that keeps the length could in principle cycle; no text needs more replacements
    // than this.
    std::size_t replacementsLeft = bound + s.size();
    while (!todo.empty()) {
        done.push_back(todo.back());
        todo.pop_back();
        if (done.size() < key.size() || done.back() != key.back() ||
            std::string_view(done).substr(done.size() - key.size()) != key) {
            continue;
        }
        if (replacementsLeft == 0) {
            break;
        }
        --replacementsLeft;
        done.resize(done.size() - key.size());
        todo.insert(todo.end(), value.rbegin(), value.rend());
        if (done.size() + todo.size() > bound) {
            break;  // the row grows the text without bound: leave the rest as it is
        }
    }
    done.append(todo.rbegin(), todo.rend());
    return done;
}

}  // namespace vokadlo
