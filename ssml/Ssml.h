// SSML read for the engine: a document (UTF-8, or what its XML declaration names) turned into
// the engine's input text with inline tags the reader makes itself, plus the marks and breaks a
// host reports or plays.
//
// The text is UTF-8. Everything the document says is plain text: "\" and "{" never open an
// inline tag there (they read as spaces), so the only tags in the result are the reader's own:
// "\mrk=N\" for the N-th entry of `marks`, "\spd=N\" and "\vol=N\" for tempo and volume. A mark
// stands before the first letter of the word that follows it (one inside a word waits for the
// next word), so that it is reported when that word starts to play; marks after the last word
// follow it as a word of tags alone.
//
// Malformed SSML (unclosed or crossed tags, a stray "<", undefined entities) is still read: its
// markup and references to unknown entities are removed, the marks and breaks that can be
// recognised are kept, and `notice` says why. No
// external entity or DTD is loaded, and a document that declares entities is refused (read as
// malformed), so that entity expansion stays bounded.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo {

// The longest break the reader gives, whatever the document asks; adjacent breaks add up to at
// most this too.
inline constexpr std::int32_t kMaxBreakMs = 10000;

struct TSsmlOptions {
    // The host's tempo (duration scale in percent, 100 = recorded) and volume (63750 = x1.0, 0 =
    // no scaling), which <prosody> and <emphasis> scale and which the text returns to after them.
    double speedPercent = 100.0;
    std::int32_t volume = 63750;
    // What to read for one character of the document's text (UTF-8), for a host's punctuation
    // and spelling modes: words of its own, or nullopt for the character as it is.
    std::function<std::optional<std::string>(std::string_view character)> character;
};

// One "\mrk=N\" tag of the text: a mark to report, or a break to play.
struct TSsmlMark {
    std::string name;          // UTF-8, up to its first control character; empty for a break
    std::int32_t breakMs = 0;  // > 0: that much silence before the word that follows
};

struct TSsmlText {
    std::string text;                   // UTF-8, with the reader's inline tags
    std::vector<TSsmlMark> marks;       // marks[N - 1] belongs to "\mrk=N\"
    std::optional<std::int32_t> voice;  // 1 "VEMIRa", 2 "VEMIRuska", 3 "VEMIR" from <voice>
    std::string notice;                 // why the document was read as malformed, or empty

    // The breaks: mark number -> milliseconds of silence.
    std::map<std::int32_t, std::int32_t> Breaks() const;
};

// Reads an SSML document. A text without markup is read as a document's text. Allocates the
// result; linear in the document's length.
TSsmlText ReadSsml(std::string_view document, const TSsmlOptions& options = {});

}  // namespace vokadlo
