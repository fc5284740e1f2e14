// The reading stage: a host's whole text turned into the words a Czech speaker says ("Mám 25 Kč."
// -> "Mám dvacet pět korun."), in code page 1250, before the engine cuts it into chunks.
//
// It sees the whole text, because what it reads spans words ("25 Kč", "25. 12. 2026"). Inline
// tags pass through untouched and keep their place among the words. Where it is not confident it
// leaves the text as it is, so the engine's own rules still read it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo {

// How a host's text reaches the engine.
enum class TReadingMode {
    Design,  // exactly as given, byte for byte
    Czech,   // through the reading stage
};

struct TReadingOptions {
    // Inline tags (\name=value\ and {name=value}) pass through untouched; when false every
    // character is text.
    bool tags = true;
};

// One piece of the output and the piece of the input it was read from. The pieces are in output
// order and cover the output without gaps; their input pieces never go backwards. Text passed
// through unchanged forms verbatim pieces of at most kVerbatimPiece output bytes, each output
// byte one input character; a stretch the stage read is one piece of its own.
struct TReadingPiece {
    std::size_t outBegin = 0;  // byte offset in TReadingResult::text
    std::size_t inBegin = 0;   // byte offset in the input text
    std::size_t inLength = 0;  // bytes of the input it came from
    bool verbatim = false;     // output byte k of the piece is the k-th character of its input
};

// The longest verbatim piece, in output bytes (a longer untouched token is a piece of its own
// that is not verbatim).
inline constexpr std::size_t kVerbatimPiece = 256;

struct TReadingResult {
    std::string text;  // code page 1250, for the engine
    std::vector<TReadingPiece> pieces;

    // The input byte offset the output byte `out` was read from: in a verbatim piece the
    // offset of its character, otherwise the start of its piece's input (the input's end for an
    // offset at or past the output's end). At most kVerbatimPiece steps.
    std::size_t SourceOffset(std::size_t out) const;
};

// The reading is at most kReadingGrowth times as long as the input, plus kReadingSlack bytes.
inline constexpr std::size_t kReadingGrowth = 32;
inline constexpr std::size_t kReadingSlack = 64;

// Reads a host's text, given in UTF-8 (a malformed byte reads as the code page 1250 character of
// the same number). Allocates the result; linear in the text's length.
TReadingResult ReadAsCzech(std::string_view utf8, const TReadingOptions& options = {});

// The ordinal of n (1..1000) in the masculine nominative, the form a number is named by ("třetí",
// "sto první"), in code page 1250; empty outside that range.
std::string OrdinalName(unsigned n);

// A month's name (1..12) in the nominative ("prosinec"), in code page 1250; empty outside that
// range.
std::string MonthNominative(int month);

}  // namespace vokadlo
