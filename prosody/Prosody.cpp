// Phrase prosody of one chunk: intonation, pitch targets, tone offsets and allophones, then the
// timing and loudness passes.
#include "prosody/Prosody.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "prosody/Allophones.h"
#include "prosody/RandomSource.h"
#include "prosody/Timing.h"
#include "prosody/UnitCondition.h"

namespace vokadlo {

namespace {

// Sentence marks, weakest first: a stronger mark anywhere in the text wins over a weaker one.
constexpr char kSentenceMarks[] = {'.', '!', '?'};
constexpr char kNoSentenceMark = ' ';

// Statement draws that are said slightly raised instead of lowered.
struct TDrawRemap {
    std::int64_t Draw;
    std::int64_t Intonation;
};
constexpr TDrawRemap kDrawRemaps[] = {
    {22, -60},
    {23, -45},
};

// Intonation of a word inside a sentence, and the pitch the question group rises to.
constexpr double kInsideSentenceIntonation = -60;
constexpr std::int32_t kQuestionPitch = 25;

char SentenceMark(const std::string& text) {
    char mark = kNoSentenceMark;
    for (char candidate : kSentenceMarks) {
        if (text.find(candidate) != std::string::npos) {
            mark = candidate;
        }
    }
    return mark;
}

// Draws the chunk's intonation and records whether it ended a sentence.
double ChunkIntonation(char mark, const std::string& text, bool& sentenceEnded) {
    if (mark == kNoSentenceMark) {
        bool opensPhrase = sentenceEnded || text.find(',') != std::string::npos;
        sentenceEnded = false;
        // The first word of a sentence and a word with a comma: -40..19.
        return opensPhrase ? static_cast<double>(static_cast<std::int64_t>(Random(60)) - 40)
                           : kInsideSentenceIntonation;
    }
    sentenceEnded = true;
    std::int64_t draw = static_cast<std::int64_t>(Random(7));
    draw += mark == '?' ? -26 : 19;  // question -26..-20, statement 19..25
    for (const TDrawRemap& remap : kDrawRemaps) {
        if (draw == remap.Draw) {
            draw = remap.Intonation;
            break;
        }
    }
    return static_cast<double>(draw);
}

// Index of a note in the tone tables; notes outside -12..12 use the nearest end of the table.
std::size_t ToneIndex(std::int32_t tone) {
    return static_cast<std::size_t>(std::clamp(tone, -12, 12) + 12);
}

// Pitch targets and tone offsets. The pitch follows the chunk's intonation up to the second
// vowel, shapes the second vowel's group by the sentence mark and then walks toward 19/20.
void AssignPitch(TSayWord& word, char mark, std::int32_t speedPercent) {
    std::size_t count = UnitCount(word);
    int vowels = 0;
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        if (InSet(FirstChar(unit.Letter), kVowelLetters)) {
            ++vowels;  // toned vowels count too
        }
        if (unit.Tone != 0) {
            std::size_t index = ToneIndex(unit.Tone);
            unit.ToneLo = static_cast<std::int16_t>(Settings.ToneTableLo[index]);
            unit.ToneHi = static_cast<std::int16_t>(Settings.ToneTableHi[index]);
            continue;  // keeps its Pitch
        }
        if (vowels < 2) {
            unit.Pitch = ClampToInt32(Round(word.Intonation));
            continue;
        }
        // vowels >= 2 needs at least two units, so unit i - 1 exists.
        std::int64_t previous = word.Chars[i - 1].Pitch;
        std::int64_t pitch = 0;
        if (vowels == 2) {
            if (mark == '.') {
                pitch = previous - 5;
            } else if (mark == '?') {
                pitch = kQuestionPitch;
            } else {
                pitch = Round(static_cast<double>(Random(14)) - 7 + word.Intonation);
            }
        } else {
            pitch = previous - 1 > 18 ? previous - 1 : previous + 1;
        }
        unit.Pitch = ClampToInt32(pitch);
        word.IntonationStep = static_cast<double>(speedPercent);
    }
}

// A tag next to a unit left "\" as its neighbour; it counts as the chunk's edge.
void MarkEdges(TSayWord& word) {
    std::size_t count = UnitCount(word);
    for (std::size_t i = 0; i < count; ++i) {
        TCharacter& unit = word.Chars[i];
        std::replace(unit.Prev.begin(), unit.Prev.end(), '\\', kNoNeighbour);
        std::replace(unit.Next.begin(), unit.Next.end(), '\\', kNoNeighbour);
    }
}

}  // namespace

void ApplyProsody(TSayWord& word, std::int32_t speedPercent, bool& sentenceEnded) {
    // The speed slider's lowest positions and some "spd" tag values give 0 or less; those are
    // read as 1 %, the fastest meaningful scale, which also keeps the division below defined.
    std::int32_t speed = std::max(speedPercent, 1);
    SeedRandomForChunk();
    char mark = SentenceMark(word.Text);
    word.Intonation = ChunkIntonation(mark, word.Text, sentenceEnded);
    word.IntonationStep = 0.1 / speed;
    AssignPitch(word, mark, speed);
    MarkEdges(word);
    ChooseAllophones(word);
    ApplyTiming(word, speed);
}

}  // namespace vokadlo
