// Building the sound units of a processed chunk text, and completing the record.
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/TextPipeline.h"
#include "text/TagSpans.h"

namespace vokadlo {
namespace {

constexpr std::int32_t kUnitDuration = 150;  // ms, until the prosody decides
// A tag that ends within this many characters of the text's end is not followed by another.
constexpr std::int32_t kTagChainMargin = 5;

TCharacter NewUnit(const TSayText& engine) {
    TCharacter unit;
    unit.Prev = std::string(1, kNoNeighbour);
    unit.Next = std::string(1, kNoNeighbour);
    unit.Duration = kUnitDuration;
    unit.Gain = 1.0;
    unit.Tone = engine.CurrentTone;
    unit.Speed = engine.SpeedPercent;
    unit.Volume = engine.CurrentVolume;
    return unit;
}

// Fills the characters of `unit` at 1-based position `q` of `s` and moves `q` past them.
void FillCharacters(TCharacter& unit, const std::string& s, std::int32_t& q) {
    const auto length = static_cast<std::int32_t>(s.size());
    const auto at = [&s](std::int32_t position) { return std::string(1, s[position - 1]); };
    unit.Prev = at(q == 1 ? 1 : q - 1);
    if (q < length) {
        unit.Next = at(q + 1);
    }
    if (q <= length) {
        unit.Letter = at(q);
        unit.Sample = unit.Letter;
    }
    ++q;
    if (unit.Letter == "c" && unit.Next == "h") {
        ++q;
        unit.Sample = "ch";
        unit.Next = q <= length ? at(q) : std::string(1, kNoNeighbour);
    }
}

}  // namespace

std::string BuildUnits(TSayText& engine, const std::string& s) {
    TSayWord& word = engine.CurrentWord();
    word.Reset();
    std::string letters;
    const auto length = static_cast<std::int32_t>(s.size());
    const bool endMarker = s == kEndMarker;
    std::int32_t q = 1;
    while (q <= length) {
        word.Chars.push_back(NewUnit(engine));
        const auto unitIndex = static_cast<std::int32_t>(word.Chars.size());
        while (!endMarker && q <= length && IsTagOpening(s[q - 1])) {
            const std::int32_t before = q;
            engine.ParseTag(s, unitIndex, q);
            if (q == before || q >= length - kTagChainMargin) {
                break;
            }
        }
        if (q < length) {
            letters.push_back(s[q - 1]);
        }
        FillCharacters(word.Chars.back(), s, q);
    }
    return letters;
}

bool SkipEmptyChunk(TPendingText& pending, std::string_view letters) {
    if (!IsBlank(letters)) {
        return false;
    }
    // Trimming moves the bounds of the pending range; nothing is copied.
    const auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (pending.end > pending.start && blank(pending.Text()[pending.end - 1])) {
        --pending.end;
    }
    while (pending.start < pending.end && blank(pending.Text()[pending.start])) {
        ++pending.start;
    }
    return pending.start < pending.end && pending.View() != kEndMarker;
}

void CompleteRecord(TSayWord& word, std::string text, std::int32_t unitCount) {
    word.CharCount = unitCount;
    word.Text = std::move(text);
    word.WordVolume = static_cast<double>(Settings.OutputVolume);
}

}  // namespace vokadlo
