#include "ssml/SsmlWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/CodePage.h"

namespace vokadlo {

std::map<std::int32_t, std::int32_t> TSsmlText::Breaks() const {
    std::map<std::int32_t, std::int32_t> breaks;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i].breakMs > 0) {
            breaks[static_cast<std::int32_t>(i + 1)] = marks[i].breakMs;
        }
    }
    return breaks;
}

}  // namespace vokadlo

namespace vokadlo::ssml {
namespace {

constexpr std::int32_t kSpeedTagMax = 256;  // "spd" value v gives the duration percent 256 - v
constexpr double kSlowestPercent = 255.0;   // the longest duration a "spd" tag can set
constexpr double kFastestPercent = 10.0;
constexpr double kLoudest = 2.0 * 63750;  // +6 dB

std::int32_t SpeedTag(double speedPercent) {
    const double percent = std::clamp(speedPercent, kFastestPercent, kSlowestPercent);
    return kSpeedTagMax - static_cast<std::int32_t>(std::nearbyint(percent));
}

std::string Tag(const char* name, std::int32_t value) {
    return std::string("\\") + name + "=" + std::to_string(value) + "\\";
}

}  // namespace

std::size_t CharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t n = lead >= 0xF0 && lead <= 0xF7   ? 4
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                                                         : 1;
    if (n > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return n;
}

TSsmlWriter::TSsmlWriter(const TSsmlOptions& options)
    : options_(options),
      speedTag_(SpeedTag(options.speedPercent)),
      wantedSpeedTag_(speedTag_),
      volumeTag_(options.volume),
      wantedVolumeTag_(options.volume) {}

void TSsmlWriter::Text(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = CharacterLength(utf8.substr(i));
        Character(utf8.substr(i, n), true);
        i += n;
    }
}

void TSsmlWriter::OwnText(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = CharacterLength(utf8.substr(i));
        Character(utf8.substr(i, n), false);
        i += n;
    }
}

void TSsmlWriter::Character(std::string_view c, bool hostWords) {
    const auto first = static_cast<unsigned char>(c[0]);
    if (first <= ' ' || first == 0x7F || c == "\xC2\xA0") {  // blanks, controls, no-break space
        Space();
        return;
    }
    if (hostWords && options_.character) {
        if (const std::optional<std::string> words = options_.character(c)) {
            Space();
            OwnText(*words);
            Space();
            return;
        }
    }
    // Nothing the document says opens a tag of ours.
    if (c == "\\" || c == "{") {
        Space();
        return;
    }
    // A malformed byte reads as a blank; every character else goes on to the reading, which also
    // reads what the code page lacks (other scripts, symbols, emoji).
    if (!IsValidUtf8(c)) {
        Space();
        return;
    }
    Glyph(c);
}

void TSsmlWriter::Glyph(std::string_view c) {
    std::string& out = result_.text;
    if (spaceDue_ && !out.empty() && out.back() != ' ') {
        out += ' ';
    }
    spaceDue_ = false;
    if (out.empty() || out.back() == ' ') {
        PlaceTags();
    }
    if (wantedSpeedTag_ != speedTag_) {
        out += Tag("spd", wantedSpeedTag_);
        speedTag_ = wantedSpeedTag_;
    }
    if (wantedVolumeTag_ != volumeTag_) {
        out += Tag("vol", wantedVolumeTag_);
        volumeTag_ = wantedVolumeTag_;
    }
    out += c;
    sentenceOpen_ = true;
}

void TSsmlWriter::PlaceTags() {
    for (const std::int32_t n : pendingMarks_) {
        result_.text += Tag("mrk", n);
    }
    pendingMarks_.clear();
    pendingBreak_ = 0;
}

void TSsmlWriter::Mark(std::string name) {
    // A name is one line of a host's protocol: it ends at its first control character.
    const auto control = std::find_if(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < ' ' || c == '\x7F';
    });
    name.erase(control, name.end());
    result_.marks.push_back({std::move(name), 0});
    pendingMarks_.push_back(static_cast<std::int32_t>(result_.marks.size()));
}

void TSsmlWriter::Break(std::int32_t ms) {
    spaceDue_ = true;
    if (ms <= 0) {
        return;
    }
    if (pendingBreak_ != 0) {
        std::int32_t& total = result_.marks[static_cast<std::size_t>(pendingBreak_) - 1].breakMs;
        total = std::min(kMaxBreakMs, total + std::min(ms, kMaxBreakMs));
        return;
    }
    result_.marks.push_back({std::string(), std::min(ms, kMaxBreakMs)});
    pendingBreak_ = static_cast<std::int32_t>(result_.marks.size());
    pendingMarks_.push_back(pendingBreak_);
}

void TSsmlWriter::SentenceEnd() {
    std::string& out = result_.text;
    spaceDue_ = true;
    if (!sentenceOpen_) {
        return;
    }
    sentenceOpen_ = false;
    const auto last = static_cast<unsigned char>(out.back());
    if (last == '.' || last == '!' || last == '?' || out.ends_with("\xE2\x80\xA6")) {
        return;
    }
    // A full stop after a number would make it an ordinal, so it stands alone there.
    const bool letter = last >= 0x80 || std::isalpha(last);
    out += letter ? "." : " .";
}

void TSsmlWriter::SetTempo(double speedPercent) {
    wantedSpeedTag_ = SpeedTag(speedPercent);
}

void TSsmlWriter::SetVolume(double volume) {
    // 0 would switch scaling off (full volume), so silence is the least scale there is.
    wantedVolumeTag_ =
        volume == options_.volume
            ? options_.volume
            : static_cast<std::int32_t>(std::lround(std::clamp(volume, 1.0, kLoudest)));
}

TSsmlText TSsmlWriter::Finish() {
    if (!pendingMarks_.empty()) {
        if (!result_.text.empty() && result_.text.back() != ' ') {
            result_.text += ' ';
        }
        PlaceTags();
    }
    return std::move(result_);
}

}  // namespace vokadlo::ssml
