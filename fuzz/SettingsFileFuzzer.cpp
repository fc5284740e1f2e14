// Fuzz target: any bytes as the settings file. The parse keeps every line as written, and a value
// set into it (a name and a text from the input) reads back the same after the file is written
// and parsed again, beside every value that was there.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/RegFile.h"

namespace {

using namespace vokadlo;

bool SameValue(const TRegValue& a, const TRegValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* number = std::get_if<std::uint32_t>(&a)) {
        return *number == std::get<std::uint32_t>(b);
    }
    if (const auto* text = std::get_if<TRegText>(&a)) {
        const auto& other = std::get<TRegText>(b);
        return text->utf8 == other.utf8 && text->expandable == other.expandable;
    }
    return std::get<TRegOther>(a).raw == std::get<TRegOther>(b).raw;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TRegFile file = TRegFile::Parse(bytes);
    const std::string written = file.Serialize();
    // Every line comes back; only a missing line end at the very end is added.
    if (written != bytes && written != std::string(bytes) + "\n") {
        __builtin_trap();
    }
    // The first line of the input names a section, the second a value, the third its text.
    std::string_view rest = bytes;
    std::string_view parts[3];
    for (std::string_view& part : parts) {
        const std::size_t end = rest.find('\n');
        part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const std::string section(parts[0]);
    const std::string name(parts[1]);
    TRegFile changed = file;
    const TRegValue values[] = {TRegText{std::string(parts[2]), false},
                                TRegText{std::string(parts[2]), true},
                                static_cast<std::uint32_t>(size * 2654435761u)};
    for (const TRegValue& value : values) {
        // Names and sections with line breaks cannot be written as one line; an empty name is
        // the key's default value, which is never set by name.
        if (name.empty() ||
            name.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos ||
            section.find_first_of("\n\r") != std::string::npos) {
            break;
        }
        changed.Set(section, name, value);
        const TRegFile again = TRegFile::Parse(changed.Serialize());
        const auto found = again.Find(section, name);
        // A plain text holds no line break, an expandable one ends at its first NUL.
        const auto* text = std::get_if<TRegText>(&value);
        const bool writable =
            !text || (text->expandable ? text->utf8.find('\0') == std::string::npos
                                       : text->utf8.find_first_of("\n\r") == std::string::npos);
        if (writable && (!found || !SameValue(*found, value))) {
            __builtin_trap();
        }
    }
    return 0;
}
