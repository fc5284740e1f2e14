// Letters the code page 1250 voice cannot say, written as a Czech reader would say them:
// Cyrillic by the Czech transcription ("Привет" -> "Privet", "Щука" -> "Ščuka"), other scripts
// by ICU's Latin transliteration, and Latin letters with accents Czech lacks without them
// ("Ærø" -> "Aero", "naïve" -> "naive", "Straße" -> "Strasse"). Czech letters, and ö and ü,
// which the voice says, stay.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// The transliteration of UTF-8 text into code page 1250; characters with no Latin form are
// left out. Allocates; the ICU transliterator is built at the first call.
std::string TransliterateToCp1250(std::string_view utf8);

// True when the code page 1250 word holds a letter the voice does not say (ä, ł, ß, ő, ...).
bool HasForeignLatinLetter(std::string_view word);

}  // namespace vokadlo
