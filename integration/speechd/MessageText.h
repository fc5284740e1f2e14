// What the Speech Dispatcher server sends to speak, turned into text for the engine.
//
// The server sends SSML in UTF-8. Its <mark name="..."/> elements become the engine's "mrk"
// bookmarks, numbered from 1 in the order of the text; every other tag is dropped and its text
// spoken. The user's text is plain: "\" and "{" never open an inline tag, and characters that
// code page 1250 lacks become spaces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo::speechd {

enum class TPunctuation { None, Some, Most, All };
enum class TCapitals { None, Spell, Icon };

struct TTextOptions {
    TPunctuation punctuation = TPunctuation::None;
    bool spelling = false;  // every character on its own, as a lone letter is spelled
    TCapitals capitals = TCapitals::None;
};

struct TEngineText {
    std::string text;                // UTF-8, with the module's own bookmark tags
    std::vector<std::string> marks;  // marks[n - 1] is the name of bookmark n
    bool capitalIcon = false;        // a single capital letter that wants the "capital" icon
};

// Converts a SPEAK message. A mark stands before the first letter of the word that follows it
// (one in the middle of a word waits for the next word), so that it is reported when that word
// starts to play; marks after the last word follow it as a word of tags alone.
TEngineText FromSsml(std::string_view ssml, const TTextOptions& options);

// A CHAR message: one character ("space" for a space), said as a lone letter.
TEngineText FromChar(std::string_view character, const TTextOptions& options);

// A KEY message: a key name of the client protocol ("a", "shift_a", "kp-enter", "space").
TEngineText FromKey(std::string_view key, const TTextOptions& options);

// The text of a message for the module's trace: the bookmark tags shown as "<mark n>".
std::string ShowMarks(const TEngineText& message);

}  // namespace vokadlo::speechd
