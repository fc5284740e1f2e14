// The reading stage's token list: a stretch of the host's text cut into words, numbers, spaces,
// single punctuation characters, characters outside code page 1250 and inline tags, each with
// the input bytes it came from. The passes rewrite runs of tokens into the words a Czech speaker
// says; the tokens' texts, joined, are the stage's output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo {

enum class TTokenKind : std::uint8_t {
    Word,         // letters of code page 1250 ("Kč", "příliš")
    Number,       // ASCII digits ("2026")
    Space,        // a run of white space, no-break spaces included; a line break keeps its text
    Punctuation,  // one other character of the code page (".", "%", "°", "€", "(")
    Foreign,      // one character outside the code page; text "?", its UTF-8 is Utf8(token)
    Tag,          // an inline tag (\ton=5\, {spd=200}), kept untouched by every pass
    Read,         // words a pass wrote; later passes leave them alone
    Removed,      // merged into an earlier token by Replace; dropped after the pass
};

struct TToken {
    TTokenKind kind = TTokenKind::Word;
    std::string text;          // code page 1250
    std::size_t inBegin = 0;   // byte offset in TTokenList::input
    std::size_t inLength = 0;  // bytes of the input

    bool Is(TTokenKind k) const { return kind == k; }
    // True for a Punctuation token of the one character `c`.
    bool IsChar(char c) const {
        return kind == TTokenKind::Punctuation && text.size() == 1 && text[0] == c;
    }
};

struct TTokenList {
    std::string_view input;  // the host's whole text, UTF-8
    std::vector<TToken> tokens;

    std::size_t size() const { return tokens.size(); }
    TToken& operator[](std::size_t i) { return tokens[i]; }
    const TToken& operator[](std::size_t i) const { return tokens[i]; }

    // The token's input bytes (UTF-8).
    std::string_view Utf8(const TToken& token) const {
        return input.substr(token.inBegin, token.inLength);
    }

    // Tokens [first, end) become one Read token with `reading` as its text, covering their
    // input bytes; the others become Removed (dropped by Compact). end > first.
    void Replace(std::size_t first, std::size_t end, std::string reading);

    // Drops the Removed tokens. Linear.
    void Compact();

    // True when token i exists and is of kind k.
    bool Is(std::size_t i, TTokenKind k) const { return i < tokens.size() && tokens[i].kind == k; }
    // True when token i exists and is the punctuation character c.
    bool IsChar(std::size_t i, char c) const { return i < tokens.size() && tokens[i].IsChar(c); }
    // True when token i exists, is a Space and holds no line break.
    bool IsInlineSpace(std::size_t i) const;
};

struct TTokeniseOptions {
    bool tags = true;  // read inline tags as Tag tokens
};

// Cuts input[begin, end) into tokens (ranges relative to the whole input). A malformed UTF-8
// byte becomes the code page 1250 character of the same number. Linear; allocates the list.
TTokenList Tokenise(std::string_view input, std::size_t begin, std::size_t end,
                    const TTokeniseOptions& options = {});

// True for a code page 1250 letter (ASCII and the Central European letters).
bool IsLetter(char c);

}  // namespace vokadlo
