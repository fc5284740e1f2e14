// Builds chunk records for the prosody tests the way the text pipeline fills them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/ChunkRecord.h"

namespace vokadlo::test {

// Seeds whose first draw is the bottom and the top of any range: from 0 the state becomes 1,
// from kTopSeed it becomes 2^32 - 1, so the first Random(n) gives 0 and n - 1.
inline constexpr std::uint32_t kBottomSeed = 0;
inline constexpr std::uint32_t kTopSeed = 1298181734;

// One unit as the pipeline builds it, before the prosody.
inline TCharacter MakeUnit(std::string prev, std::string letter, std::string sample,
                           std::string next, std::int32_t speed = 100) {
    TCharacter unit;
    unit.Prev = std::move(prev);
    unit.Letter = std::move(letter);
    unit.Sample = std::move(sample);
    unit.Next = std::move(next);
    unit.Duration = 150;
    unit.Gain = 1.0;
    unit.Speed = speed;
    return unit;
}

// A chunk of `text` (code page 1250, no tags): one unit per character, "ch" as one unit.
inline TSayWord BuildChunk(const std::string& text, std::int32_t speed = 100) {
    TSayWord word;
    word.Text = text;
    std::size_t q = 0;
    while (q < text.size()) {
        std::string prev(1, q == 0 ? text[0] : text[q - 1]);
        const bool digraph = text[q] == 'c' && q + 1 < text.size() && text[q + 1] == 'h';
        std::string letter = text.substr(q, 1);
        std::string sample = text.substr(q, digraph ? 2 : 1);
        q += sample.size();
        std::string next = q < text.size() ? std::string(1, text[q]) : std::string("~");
        word.Chars.push_back(MakeUnit(prev, letter, sample, next, speed));
    }
    word.CharCount = static_cast<std::int32_t>(word.Chars.size());
    return word;
}

// A chunk of the given units.
inline TSayWord ChunkOf(std::initializer_list<TCharacter> units) {
    TSayWord word;
    word.Chars = units;
    word.CharCount = static_cast<std::int32_t>(word.Chars.size());
    return word;
}

}  // namespace vokadlo::test
