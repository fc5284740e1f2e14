#include "platform/RegFile.h"

#include <cstdio>

#include "core/CodePage.h"

namespace vokadlo {
namespace {

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Reads a quoted string starting at s[pos] == '"'; returns the position after the closing
// quote, or npos when it is not closed.
std::size_t ReadQuoted(std::string_view s, std::size_t pos, std::string& out) {
    out.clear();
    for (std::size_t i = pos + 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (s[i] == '"') {
            return i + 1;
        } else {
            out += s[i];
        }
    }
    return std::string_view::npos;
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "31,32,00" (line continuations allowed) -> bytes without the closing NULs; nullopt when
// malformed.
std::optional<std::string> ParseHexBytes(std::string_view s) {
    std::string compact;
    for (char c : s) {
        if (c != '\\' && c != '\n' && c != '\r' && c != ' ' && c != '\t') {
            compact += c;
        }
    }
    std::string bytes;
    std::size_t pos = 0;
    while (pos < compact.size()) {
        const std::size_t comma = compact.find(',', pos);
        const std::string_view token = std::string_view(compact).substr(
            pos, comma == std::string::npos ? std::string::npos : comma - pos);
        if (token.size() != 2 || HexDigit(token[0]) < 0 || HexDigit(token[1]) < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(HexDigit(token[0]) * 16 + HexDigit(token[1]));
        if (comma == std::string::npos) {
            break;
        }
        pos = comma + 1;
        if (pos == compact.size()) {
            return std::nullopt;  // a trailing comma
        }
    }
    while (!bytes.empty() && bytes.back() == '\0') {
        bytes.pop_back();
    }
    return bytes;
}

TRegValue ParseValue(std::string_view raw) {
    const std::string_view v = TrimSpaces(raw);
    if (!v.empty() && v.front() == '"') {
        std::string text;
        const std::size_t end = ReadQuoted(v, 0, text);
        if (end != std::string_view::npos && TrimSpaces(v.substr(end)).empty()) {
            return TRegText{text, false};
        }
    } else if (v.rfind("dword:", 0) == 0) {
        const std::string_view digits = v.substr(6);
        if (digits.size() == 8) {
            std::uint32_t number = 0;
            bool ok = true;
            for (char c : digits) {
                const int d = HexDigit(c);
                ok = ok && d >= 0;
                number = number * 16 + static_cast<std::uint32_t>(d < 0 ? 0 : d);
            }
            if (ok) {
                return number;
            }
        }
    } else if (v.rfind("hex(2):", 0) == 0) {
        if (auto bytes = ParseHexBytes(v.substr(7))) {
            return TRegText{*bytes, true};
        }
    }
    return TRegOther{std::string(raw)};
}

std::string Quote(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

}  // namespace

TRegFile TRegFile::Parse(std::string_view text) {
    TRegFile file;
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A logical line runs on while a physical line ends with a backslash.
        std::string logical;
        for (;;) {
            const std::size_t end = text.find('\n', pos);
            std::string_view physical = text.substr(
                pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
            pos = end == std::string_view::npos ? text.size() : end + 1;
            logical += physical;
            std::string_view trimmed = TrimSpaces(physical);
            if (trimmed.empty() || trimmed.back() != '\\' || pos >= text.size()) {
                break;
            }
            logical += '\n';
        }
        TLine line;
        line.text = logical;
        const std::string_view t = TrimSpaces(logical);
        if (!t.empty() && t.front() == '[' && t.back() == ']') {
            section = std::string(t.substr(1, t.size() - 2));
            line.isSection = true;
        } else if (!t.empty() && t.front() == '"') {
            std::string name;
            const std::size_t end = ReadQuoted(t, 0, name);
            if (end != std::string_view::npos && end < t.size() && t[end] == '=') {
                line.name = name.empty() ? std::string(1, '\0') : name;
                line.valueAt = static_cast<std::size_t>(t.data() - logical.data()) + end + 1;
            }
        }
        line.section = section;
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::string TRegFile::Serialize() const {
    std::string out;
    if (lines_.empty()) {
        return out;
    }
    for (const TLine& line : lines_) {
        out += line.text;
        out += '\n';
    }
    return out;
}

std::optional<TRegValue> TRegFile::Find(std::string_view section, std::string_view name) const {
    std::optional<TRegValue> found;
    for (const TLine& line : lines_) {
        if (!line.name.empty() && EqualsIgnoringAsciiCase(line.section, section) &&
            EqualsIgnoringAsciiCase(line.name, name)) {
            found = ParseValue(std::string_view(line.text).substr(line.valueAt));
        }
    }
    return found;  // the last definition wins, as when a file is imported
}

std::vector<TRegEntry> TRegFile::List(std::string_view section) const {
    std::vector<TRegEntry> entries;
    for (const TLine& line : lines_) {
        if (!line.name.empty() && EqualsIgnoringAsciiCase(line.section, section)) {
            entries.push_back(
                {line.name, ParseValue(std::string_view(line.text).substr(line.valueAt))});
        }
    }
    return entries;
}

std::string TRegFile::FormatEntry(std::string_view name, const TRegValue& value) {
    std::string out = Quote(name) + "=";
    if (const auto* number = std::get_if<std::uint32_t>(&value)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", *number);
        out += "dword:";
        out += hex;
    } else if (const auto* text = std::get_if<TRegText>(&value)) {
        if (text->expandable) {
            out += "hex(2):";
            char hex[4];
            for (unsigned char c : text->utf8) {
                std::snprintf(hex, sizeof hex, "%02x,", c);
                out += hex;
            }
            out += "00";
        } else {
            out += Quote(text->utf8);
        }
    } else {
        out += std::get<TRegOther>(value).raw;
    }
    return out;
}

void TRegFile::Set(std::string_view section, std::string_view name, const TRegValue& value) {
    const std::string entry = FormatEntry(name, value);
    TLine* last = nullptr;
    for (TLine& line : lines_) {
        if (!line.name.empty() && EqualsIgnoringAsciiCase(line.section, section) &&
            EqualsIgnoringAsciiCase(line.name, name)) {
            last = &line;
        }
    }
    // The data follows the quoted name and its "=".
    const std::size_t valueAt = Quote(name).size() + 1;
    if (last) {
        last->text = entry;
        last->valueAt = valueAt;
        return;
    }
    // After the section's last line that is not blank, or a new section at the end.
    std::size_t insert = lines_.size();
    bool haveSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (EqualsIgnoringAsciiCase(lines_[i].section, section) &&
            (lines_[i].isSection || !TrimSpaces(lines_[i].text).empty())) {
            insert = i + 1;
            haveSection = true;
        }
    }
    TLine line{entry, std::string(section), std::string(name), false, valueAt};
    if (haveSection) {
        // A line left ending in "\" (cut off at the end of the file) would run on into the new
        // one; a blank line ends it, as it ends any continued line.
        const std::string_view before = TrimSpaces(lines_[insert - 1].text);
        if (!before.empty() && before.back() == '\\') {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert++),
                          TLine{"", std::string(section), "", false});
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), line);
        return;
    }
    if (lines_.empty()) {
        lines_.push_back({"REGEDIT4", "", "", false});
    }
    if (!TrimSpaces(lines_.back().text).empty()) {
        lines_.push_back({"", lines_.back().section, "", false});
    }
    lines_.push_back({"[" + std::string(section) + "]", std::string(section), "", true});
    lines_.push_back(line);
}

}  // namespace vokadlo
