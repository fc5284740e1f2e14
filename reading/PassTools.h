// Small readings of the token list that several passes share: the digits of a number, the
// space between two tokens, a sentence's end, the preposition before a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "reading/CldrTables.h"
#include "reading/Tokens.h"

namespace vokadlo {

// The value of a Number token of at most 12 digits; nothing otherwise.
std::optional<std::uint64_t> NumberValue(const TTokenList& list, std::size_t i);

// True for a token that holds text a pass may still read (not a tag, nor read already).
bool IsOpen(const TTokenList& list, std::size_t i);

// The index after an inline space at i (a Space without a line break), else i.
std::size_t SkipInlineSpace(const TTokenList& list, std::size_t i);

// True when the token before i ends a word boundary: the list's start, a space, a tag, or an
// opening bracket or quote.
bool StartsFree(const TTokenList& list, std::size_t i);

// True when the period at i also ends a sentence: it is followed by the end of the text, a line
// break, or a space and a capital letter, a quote or a bracket that opens the next sentence.
bool PeriodEndsSentence(const TTokenList& list, std::size_t i);

// True when a word begins with a capital letter.
bool IsCapitalised(std::string_view word);

// The preposition just before token i (a Word and an inline space before it), with the case it
// asks for; `index` is the preposition's token.
struct TPrepositionBefore {
    std::size_t index = 0;
    TGramCase gramCase = TGramCase::Nominative;
};
std::optional<TPrepositionBefore> PrepositionBefore(const TTokenList& list, std::size_t i);

// The value of a Roman numeral written canonically in capitals (I..MMMCMXCIX), or 0.
unsigned RomanValue(std::string_view s);

// Gives the preposition at `index` its vocalised form before `reading` ("s" -> "se" before
// "dvěma"); a Word token keeps its kind.
void VocalisePreposition(TTokenList& list, std::size_t index, std::string_view reading);

}  // namespace vokadlo
