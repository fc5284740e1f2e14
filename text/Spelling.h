// Spelling of words that cannot be pronounced as written, by Czech letter names. Code page 1250.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/LetterName.h"

namespace vokadlo {

// True when `w` holds one of the 14 vowels "aáeéěiíyýuúůoó".
bool HasVowel(std::string_view w);

// What is still to be spoken after the current chunk, as far as the next backslash tag:
// `pending` trimmed, leading backslash tags skipped, cut before a later "\"; empty when
// nothing is left or only the end marker. A view into `pending`: the pending text can be long,
// and only this chunk's spelling looks at it. `lastBackslash`, the offset of the last "\" in
// `pending` (npos: none), spares the search through the whole text when the caller knows it.
std::string_view RemainingText(std::string_view pending,
                               std::optional<std::size_t> lastBackslash = std::nullopt);

// The word to speak for the processed word `s`, `pending` being the text after its chunk:
// a lone letter at the end of the text (and "j" anywhere) as its name and "_", a letter with
// ".", ")" or "-" as its name and "._", a word without vowels and "ok" letter by letter, any
// other word unchanged. Allocates.
std::string SpellWord(std::string_view s, std::string_view pending,
                      std::optional<std::size_t> lastBackslash = std::nullopt);

}  // namespace vokadlo
