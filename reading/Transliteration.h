// Letters the code page 1250 voice cannot say, written as a Czech reader says them: Cyrillic by
// the Czech transcription ("Щука" -> "Ščuka"), Greek by the classical one, Latin letters with
// accents Czech lacks without them ("Łódź" -> "Lódz", "Straße" -> "Strasse", "Bär" -> "Ber"),
// all from the generated letter table; other scripts through ICU's Latin transliteration
// ("日本" -> "ri ben"). Czech letters, and ö and ü, which the voice says, stay.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// The transliteration of UTF-8 text into code page 1250; combining marks and characters with no
// Latin form are left out. Allocates; ICU's transliterator is built at the first text the table
// cannot spell (it takes a few MiB).
std::string TransliterateToCp1250(std::string_view utf8);

// True when the code page 1250 word holds a letter the voice does not say (ä, ł, ß, ő, ...).
bool HasForeignLatinLetter(std::string_view word);

}  // namespace vokadlo
