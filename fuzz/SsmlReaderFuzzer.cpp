// Fuzz target: any bytes as an SSML document through the reader. The text it makes must hold
// only the reader's own tags, each mark tag must name an entry of the table, and a break's
// silence stays within its bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ssml/Ssml.h"

namespace {

bool IsOwnTag(std::string_view tag, std::size_t marks) {
    for (const std::string_view name : {"mrk=", "spd=", "vol="}) {
        if (tag.starts_with(name)) {
            const std::string_view value = tag.substr(name.size());
            if (value.empty() || value.size() > 10 ||
                value.find_first_not_of("0123456789") != std::string_view::npos) {
                return false;
            }
            return name != "mrk=" || (std::stoull(std::string(value)) >= 1 &&
                                      std::stoull(std::string(value)) <= marks);
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    const vokadlo::TSsmlText read = vokadlo::ReadSsml(document);
    const std::string& text = read.text;
    for (std::size_t at = 0; (at = text.find_first_of("\\{", at)) != std::string::npos;) {
        if (text[at] == '{') {
            __builtin_trap();  // the document's "{" opened a tag
        }
        const std::size_t end = text.find('\\', at + 1);
        if (end == std::string::npos ||
            !IsOwnTag(std::string_view(text).substr(at + 1, end - at - 1), read.marks.size())) {
            __builtin_trap();  // a tag the reader did not make
        }
        at = end + 1;
    }
    for (const vokadlo::TSsmlMark& mark : read.marks) {
        if (mark.breakMs < 0 || mark.breakMs > vokadlo::kMaxBreakMs ||
            mark.name.find_first_of("\r\n") != std::string::npos) {
            __builtin_trap();
        }
    }
    return 0;
}
