// Cutting a stretch of UTF-8 text into the reading stage's tokens.
#include "reading/Tokens.h"

#include <algorithm>
#include <utility>

#include "core/Cp1250Table.h"

namespace vokadlo {

namespace {

// How far after a tag's opening its closing character is looked for (bytes).
constexpr std::size_t kTagReach = 255;

// One character of the input: its code page 1250 byte (-1 when the code page lacks it) and its
// length in bytes.
struct TChar {
    int byte = 0;
    char32_t cp = 0;
    std::size_t length = 1;
};

TChar ReadChar(std::string_view s, std::size_t pos) {
    TChar c;
    c.length = cp1250::DecodeUtf8(s, pos, c.cp);
    if (c.length == 0) {
        // A malformed byte stands for the code page character of its number.
        c.length = 1;
        c.byte = static_cast<unsigned char>(s[pos]);
        c.cp = static_cast<char32_t>(c.byte);
        return c;
    }
    c.byte = c.cp < 0x80 ? static_cast<int>(c.cp) : cp1250::EncodeByte(c.cp);
    return c;
}

bool IsSpaceCodePoint(char32_t cp) {
    return cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r' || cp == '\f' || cp == '\v' ||
           cp == 0xA0 || (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F ||
           cp == 0x3000;
}

TTokenKind KindOf(const TChar& c) {
    if (IsSpaceCodePoint(c.cp)) {
        return TTokenKind::Space;
    }
    if (c.byte < 0) {
        return TTokenKind::Foreign;
    }
    const char b = static_cast<char>(c.byte);
    if (b >= '0' && b <= '9') {
        return TTokenKind::Number;
    }
    return IsLetter(b) ? TTokenKind::Word : TTokenKind::Punctuation;
}

// The length of the inline tag at `pos` (an opening "\" or "{"), or 0: its closing character
// within kTagReach bytes, no white space inside, and a name before any "=".
std::size_t TagLength(std::string_view s, std::size_t pos) {
    const char closing = s[pos] == '{' ? '}' : '\\';
    const std::size_t limit = std::min(s.size(), pos + 1 + kTagReach);
    for (std::size_t i = pos + 1; i < limit; ++i) {
        const char c = s[i];
        if (c == closing) {
            return i == pos + 1 || s[pos + 1] == '=' ? 0 : i + 1 - pos;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            return 0;
        }
    }
    return 0;
}

}  // namespace

bool IsLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
        return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
    }
    switch (b) {
        case 0x8A:
        case 0x8C:
        case 0x8D:
        case 0x8E:
        case 0x8F:
        case 0x9A:
        case 0x9C:
        case 0x9D:
        case 0x9E:
        case 0x9F:
        case 0xA3:
        case 0xA5:
        case 0xAA:
        case 0xAF:
        case 0xB3:
        case 0xB5:
        case 0xB9:
        case 0xBA:
        case 0xBC:
        case 0xBE:
        case 0xBF:
            return true;
        case 0xD7:
        case 0xF7:  // × ÷
            return false;
        default:
            return b >= 0xC0;
    }
}

bool TTokenList::IsInlineSpace(std::size_t i) const {
    return Is(i, TTokenKind::Space) && tokens[i].text.find('\n') == std::string::npos;
}

void TTokenList::Replace(std::size_t first, std::size_t end, std::string reading) {
    TToken& head = tokens[first];
    const TToken& last = tokens[end - 1];
    head.inLength = last.inBegin + last.inLength - head.inBegin;
    head.kind = TTokenKind::Read;
    head.text = std::move(reading);
    for (std::size_t i = first + 1; i < end; ++i) {
        tokens[i].kind = TTokenKind::Removed;
        tokens[i].text.clear();
    }
}

void TTokenList::Compact() {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != TTokenKind::Removed) {
            if (kept != i) {
                tokens[kept] = std::move(tokens[i]);
            }
            ++kept;
        }
    }
    tokens.resize(kept);
}

TTokenList Tokenise(std::string_view input, std::size_t begin, std::size_t end,
                    const TTokeniseOptions& options) {
    TTokenList list;
    list.input = input;
    const std::string_view s = input.substr(0, end);
    std::size_t pos = begin;
    while (pos < end) {
        if (options.tags && (s[pos] == '\\' || s[pos] == '{')) {
            if (const std::size_t length = TagLength(s, pos); length > 0) {
                // Its characters in the code page, like every other token's.
                TToken tag{TTokenKind::Tag, {}, pos, length};
                for (std::size_t at = pos; at < pos + length;) {
                    const TChar c = ReadChar(s, at);
                    tag.text += c.byte < 0 ? '?' : static_cast<char>(c.byte);
                    at += c.length;
                }
                list.tokens.push_back(std::move(tag));
                pos += length;
                continue;
            }
        }
        const TChar c = ReadChar(s, pos);
        const TTokenKind kind = KindOf(c);
        const char byte = c.byte < 0 ? '?' : static_cast<char>(c.byte);
        const char text = kind == TTokenKind::Space && c.cp != '\n' && c.cp != '\r' ? ' ' : byte;
        // Words, numbers and spaces run on; every other character is a token of its own.
        const bool extends =
            !list.tokens.empty() && list.tokens.back().kind == kind &&
            (kind == TTokenKind::Word || kind == TTokenKind::Number || kind == TTokenKind::Space) &&
            list.tokens.back().inBegin + list.tokens.back().inLength == pos;
        if (extends) {
            list.tokens.back().text += text;
            list.tokens.back().inLength += c.length;
        } else {
            list.tokens.push_back({kind, std::string(1, text), pos, c.length});
        }
        pos += c.length;
    }
    return list;
}

}  // namespace vokadlo
