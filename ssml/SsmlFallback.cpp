#include "ssml/SsmlFallback.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/CodePage.h"
#include "ssml/SsmlValues.h"

namespace vokadlo::ssml {
namespace {

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character of a reference's name ("amp", "#225", "#xE1"), or nullopt.
std::optional<std::uint32_t> Referenced(std::string_view name) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kNamed) {
        if (name == entity) {
            return static_cast<std::uint32_t>(character);
        }
    }
    if (name.size() < 2 || name[0] != '#') {
        return std::nullopt;
    }
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    for (const char c : digits) {
        const int d = IsDigit(c)                    ? c - '0'
                      : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                    : -1;
        if (d < 0 || code > 0x10FFFF) {
            return std::nullopt;
        }
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    if (digits.empty() || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return code;
}

// A reference to an entity of a name ("&name;"), which no DTD defines here.
bool IsEntityName(std::string_view name) {
    if (name.empty() ||
        !((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'))) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_' ||
               c == '-' || c == '.';
    });
}

// Text with its whole references decoded and references to unknown entities removed; anything
// else that starts with "&" stays as written.
std::string Decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    constexpr std::size_t kLongestName = 10;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.substr(0, i + kLongestName + 1).find(';', i)
                                               : std::string_view::npos;
        const std::string_view name =
            end != std::string_view::npos ? text.substr(i + 1, end - i - 1) : std::string_view();
        const std::optional<std::uint32_t> code = Referenced(name);
        if (!code && IsEntityName(name)) {
            i = end;
            continue;
        }
        if (!code) {
            out += text[i];
            continue;
        }
        AppendUtf8(out, *code);
        i = end;
    }
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool StartsName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
}

// The value of attribute `name` in the body of a tag (between "<" and ">"), decoded.
std::optional<std::string> Attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = 0; (at = tag.find(name, at)) != std::string_view::npos;) {
        const bool startsWord = at > 0 && IsBlank(tag[at - 1]);
        std::size_t p = at + name.size();
        at = p;
        while (p < tag.size() && IsBlank(tag[p])) {
            ++p;
        }
        if (!startsWord || p >= tag.size() || tag[p] != '=') {
            continue;
        }
        ++p;
        while (p < tag.size() && IsBlank(tag[p])) {
            ++p;
        }
        if (p >= tag.size() || (tag[p] != '"' && tag[p] != '\'')) {
            continue;
        }
        const std::size_t close = tag.find(tag[p], p + 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        return Decoded(tag.substr(p + 1, close - p - 1));
    }
    return std::nullopt;
}

// Elements that stand between words; other tags join the text on both sides.
bool SeparatesWords(std::string_view element) {
    for (const char* name : {"speak", "p", "s", "break", "voice", "audio", "paragraph", "sentence",
                             "mark", "say-as", "sub", "prosody", "emphasis"}) {
        if (element == name) {
            return true;
        }
    }
    return false;
}

// The end of a markup construct that starts at `open` with `<` followed by "!" or "?", or npos.
std::size_t MarkupEnd(std::string_view doc, std::size_t open) {
    const auto after = [&](std::string_view closing) {
        const std::size_t end = doc.find(closing, open);
        return end == std::string_view::npos ? doc.size() : end + closing.size();
    };
    if (doc.substr(open, 4) == "<!--") {
        return after("-->");
    }
    if (doc.substr(open, 2) == "<?") {
        return after("?>");
    }
    // A declaration ("<!DOCTYPE ... [ ... ]>"): up to the ">" after its internal subset.
    const std::size_t close = doc.find('>', open);
    if (doc.substr(open, close - open).find('[') != std::string_view::npos) {
        return after("]>");
    }
    return close == std::string_view::npos ? doc.size() : close + 1;
}

}  // namespace

void ReadMalformed(std::string_view doc, TSsmlWriter& out) {
    std::size_t i = 0;
    while (i < doc.size()) {
        const std::size_t open = doc.find('<', i);
        out.Text(Decoded(doc.substr(i, (open == std::string_view::npos ? doc.size() : open) - i)));
        if (open == std::string_view::npos) {
            return;
        }
        if (doc.substr(open, 9) == "<![CDATA[") {
            const std::size_t end = doc.find("]]>", open);
            const std::size_t stop = end == std::string_view::npos ? doc.size() : end;
            out.Text(doc.substr(open + 9, stop - std::min(stop, open + 9)));
            i = end == std::string_view::npos ? doc.size() : end + 3;
            continue;
        }
        const char next = open + 1 < doc.size() ? doc[open + 1] : '\0';
        if (next == '!' || next == '?') {
            i = MarkupEnd(doc, open);
            continue;
        }
        const bool closing = next == '/';
        const char nameStart = closing && open + 2 < doc.size() ? doc[open + 2] : next;
        // A tag ends at the first ">" outside quotes; a "<" before it is no tag after all.
        std::size_t close = std::string_view::npos;
        char quote = '\0';
        constexpr std::size_t kLongestTag = 4096;  // what is longer is no tag
        for (std::size_t p = open + 1; p < doc.size() && p - open < kLongestTag; ++p) {
            const char c = doc[p];
            if (quote != '\0') {
                quote = c == quote ? '\0' : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>' || c == '<') {
                close = c == '>' ? p : std::string_view::npos;
                break;
            }
        }
        if (!StartsName(nameStart) || close == std::string_view::npos) {
            out.Text("<");
            i = open + 1;
            continue;
        }
        const std::string_view tag = doc.substr(open + 1, close - open - 1);
        std::size_t nameEnd = closing ? 1 : 0;
        while (nameEnd < tag.size() && !IsBlank(tag[nameEnd]) && tag[nameEnd] != '/') {
            ++nameEnd;
        }
        const std::string element =
            LowerCase(tag.substr(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)));
        if (!closing && element == "mark") {
            out.Mark(Attribute(tag, "name").value_or(""));
        } else if (!closing && element == "break") {
            const auto time = Attribute(tag, "time");
            const auto strength = Attribute(tag, "strength");
            out.Break(
                BreakMs(time ? std::optional<std::string_view>(*time) : std::nullopt,
                        strength ? std::optional<std::string_view>(*strength) : std::nullopt));
        } else if (SeparatesWords(element)) {
            out.Space();
        }
        i = close + 1;
    }
}

}  // namespace vokadlo::ssml
