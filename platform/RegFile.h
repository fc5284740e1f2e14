// A registry export file ("REGEDIT4") held as its lines, so that one value can be changed while
// every other line stays exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vokadlo {

// A value as stored: a 32-bit integer ("dword:"), a text ("..."), an expandable text
// ("hex(2):" bytes), or any other type (kept as written, readable as neither).
struct TRegText {
    std::string utf8;
    bool expandable = false;
};
struct TRegOther {
    std::string raw;  // everything after "="
};
using TRegValue = std::variant<std::uint32_t, TRegText, TRegOther>;

struct TRegEntry {
    std::string name;
    TRegValue value;
};

class TRegFile {
  public:
    // Parses file text (UTF-8). Lines it does not understand are kept and ignored.
    static TRegFile Parse(std::string_view text);

    // The file text: the original lines, with changed values rewritten and new ones added.
    // An empty file becomes "REGEDIT4", a blank line, then the sections.
    std::string Serialize() const;

    // Finds a value; section and value names compare without regard to ASCII case.
    std::optional<TRegValue> Find(std::string_view section, std::string_view name) const;

    // Every value of a section, in file order.
    std::vector<TRegEntry> List(std::string_view section) const;

    // Sets a value, adding the section or the value line when missing.
    void Set(std::string_view section, std::string_view name, const TRegValue& value);

    // The line a value is written as: "\"Name\"=dword:0000000a", "\"Name\"=\"text\"", ...
    static std::string FormatEntry(std::string_view name, const TRegValue& value);

  private:
    struct TLine {
        std::string text;     // the logical line as written (continuations joined by "\n")
        std::string section;  // the section it stands in
        std::string name;     // the value's name, empty for other lines
        bool isSection = false;
        std::size_t valueAt = 0;  // where the value's data starts in `text` (after the "=")
    };
    std::vector<TLine> lines_;
};

}  // namespace vokadlo
