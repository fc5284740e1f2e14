// What the Speech Dispatcher server sends to speak, turned into text for the engine.
//
// The server sends SSML in UTF-8, which the SSML reader reads (marks, breaks, prosody, say-as
// ...); its marks become the engine's "mrk" bookmarks, numbered from 1 in the order of the text.
// The user's text is plain: "\" and "{" never open an inline tag, and characters that code page
// 1250 lacks become spaces. The module's punctuation, spelling and capital modes act on the
// user's characters.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
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
    std::vector<std::string> marks;  // marks[n - 1] is the name of bookmark n ("" for a break)
    std::map<std::int32_t, std::int32_t> breaks;  // bookmark -> ms of silence
    std::optional<std::int32_t> voice;            // the voice an SSML <voice> asks for
    std::string notice;                           // why the SSML was read as malformed
    bool capitalIcon = false;  // a single capital letter that wants the "capital" icon
};

// Converts a SPEAK message through the SSML reader; `speedPercent` and `volume` are the
// message's tempo and volume, which <prosody> scales. A mark stands before the first letter of
// the word that follows it (one in the middle of a word waits for the next word); marks after
// the last word follow it as a word of tags alone.
TEngineText FromSsml(std::string_view ssml, const TTextOptions& options, double speedPercent,
                     std::int32_t volume);

// A CHAR message: one character ("space" for a space), said as a lone letter.
TEngineText FromChar(std::string_view character, const TTextOptions& options);

// A KEY message: a key name of the client protocol ("a", "shift_a", "kp-enter", "space").
TEngineText FromKey(std::string_view key, const TTextOptions& options);

// The text of a message for the module's trace: the bookmark tags shown as "<mark n>".
std::string ShowMarks(const TEngineText& message);

}  // namespace vokadlo::speechd
