// Reading inline tags into the unit being built.
#include "engine/Tags.h"

#include <algorithm>

#include "core/CodePage.h"
#include "core/ParseInt.h"
#include "engine/SayText.h"
#include "text/TagSpans.h"

namespace vokadlo {
namespace {

// Accepted ranges of the tags that change the following units.
constexpr std::int32_t kToneMin = -12;
constexpr std::int32_t kToneMax = 12;
constexpr std::int32_t kSpeedMin = 1;
constexpr std::int32_t kSpeedMax = 256;  // speed percent := 256 - value

// The value of a tag that changes the following units; a value that cannot be converted ends
// the preparation, naming the tag whose opening delimiter stands at `position` of `text`.
std::int32_t TagNumber(const TTag& tag, std::string_view text, std::int32_t position) {
    try {
        return ParseInt(tag.value);
    } catch (const EConvertError&) {
        const char opening = text[position - 1];
        throw ETagValueError(opening + tag.name + "=" + tag.value + TagClosing(opening), tag.value);
    }
}

// "vol" ignores values it cannot convert.
std::int32_t ParseVolume(std::string_view value) {
    try {
        return ParseInt(value);
    } catch (const EConvertError&) {
        return -1;
    }
}

void AddMark(TCharacter* unit, bool firstUnit, std::int32_t mark) {
    if (!unit) {
        return;
    }
    auto& places = firstUnit ? unit->MarksAtStart : unit->Marks;
    const auto free = std::find(places.begin(), places.end(), 0);
    if (free != places.end()) {
        *free = mark;  // a full list drops the mark
    }
}

}  // namespace

ETagValueError::ETagValueError(std::string tag, std::string value)
    : EConvertError("bad value \"" + value + "\" in tag " + tag),
      tag_(std::move(tag)),
      value_(std::move(value)) {}

TTag ReadTag(std::string_view text, std::int32_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size() ||
        !IsTagOpening(text[position - 1])) {
        return {};
    }
    const char closing = TagClosing(text[position - 1]);
    const std::string body = LowerCase(text.substr(position, kTagReach));
    const std::size_t end = body.find(closing);
    if (end == std::string::npos) {
        return {};
    }
    const std::string_view inside = std::string_view(body).substr(0, end);
    const std::size_t equals = inside.find('=');
    if (equals == std::string_view::npos) {
        return {std::string(inside), {}};
    }
    return {std::string(inside.substr(0, equals)),
            std::string(inside.substr(equals + 1, kTagReach))};
}

std::int32_t TagLength(const TTag& tag) {
    if (tag.name.empty()) {
        return 0;
    }
    const auto name = static_cast<std::int32_t>(tag.name.size());
    const auto value = static_cast<std::int32_t>(tag.value.size());
    return tag.value.empty() ? name + 2 : name + value + 3;
}

void TSayText::ParseTag(const std::string& text, std::int32_t unitIndex, std::int32_t& position) {
    const TTag tag = ReadTag(text, position);
    if (tag.name.empty()) {
        return;
    }
    TSayWord& word = CurrentWord();
    TCharacter* unit = unitIndex >= 1 && static_cast<std::size_t>(unitIndex) <= word.Chars.size()
                           ? &word.Chars[unitIndex - 1]
                           : nullptr;
    if (tag.name == "ton") {
        const std::int32_t tone = TagNumber(tag, text, position);
        if (tone >= kToneMin && tone <= kToneMax) {
            CurrentTone = tone;
            if (unit) {
                unit->Tone = tone;
            }
        }
    } else if (tag.name == "spd") {
        const std::int32_t speed = TagNumber(tag, text, position);
        if (speed >= kSpeedMin && speed <= kSpeedMax) {
            SpeedPercent = kSpeedMax - speed;
            if (unit) {
                unit->Speed = SpeedPercent;
            }
        }
    } else if (tag.name == "vol") {
        const std::int32_t volume = ParseVolume(tag.value);
        if (volume >= 0) {
            CurrentVolume = volume;
            if (unit) {
                unit->Volume = volume;
            }
        }
    } else if (tag.name == "mrk") {
        LastMark = TagNumber(tag, text, position);
        AddMark(unit, unitIndex == 1, LastMark);
    } else if (tag.name == "rst") {
        Reset();
    }
    // "pit", "ctx", "chr" and unknown names are consumed without effect.
    position += TagLength(tag);
}

}  // namespace vokadlo
