// Character classes and the conditions the prosody's rule tables test on a unit.
//
// Sets of characters are code page 1250 byte strings; a rule tests the one character of a
// unit's `Prev`, `Letter` or `Next`, the first character of its `Sample` (S), the whole
// `Sample`, or the unit's 1-based number in the chunk.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/ChunkRecord.h"
#include "core/Cp1250Literal.h"

namespace vokadlo {

// The vowels but "ě".
inline constexpr std::string_view kVowelLetters = "aeiouyáéíóůúý"_cp;
// space ! , . ? and "~", the chunk's edge.
inline constexpr std::string_view kPauseMarks = " !,.?~";

// The first character of a unit field, or '\0' for an empty field (which no set contains).
inline char FirstChar(const std::string& field) {
    return field.empty() ? '\0' : field.front();
}

// True when `c` is one of `set`; '\0' is in no set.
inline bool InSet(char c, std::string_view set) {
    // The sets are a few characters long: a plain loop beats a library search per table row.
    if (c == '\0') {
        return false;
    }
    for (const char member : set) {
        if (member == c) {
            return true;
        }
    }
    return false;
}

enum class ESubject {
    Always,     // holds for every unit
    Prev,       // `Prev` is one of the characters
    Next,       // `Next` is one of the characters
    Letter,     // `Letter` is one of the characters
    Sample,     // `Sample` equals the text
    FirstUnit,  // the unit is unit 1
    LaterUnit,  // the unit is unit 2 or later
};

// One test of a rule row; `Negated` turns "is one of" into "is not one of".
struct TCondition {
    ESubject Subject = ESubject::Always;
    std::string_view Chars;
    bool Negated = false;
};

inline constexpr TCondition Always{};
inline constexpr TCondition FirstUnit{ESubject::FirstUnit, {}, false};
inline constexpr TCondition LaterUnit{ESubject::LaterUnit, {}, false};
constexpr TCondition PrevIn(std::string_view set) {
    return {ESubject::Prev, set, false};
}
constexpr TCondition PrevNotIn(std::string_view set) {
    return {ESubject::Prev, set, true};
}
constexpr TCondition NextIn(std::string_view set) {
    return {ESubject::Next, set, false};
}
constexpr TCondition NextNotIn(std::string_view set) {
    return {ESubject::Next, set, true};
}
constexpr TCondition LetterNotIn(std::string_view set) {
    return {ESubject::Letter, set, true};
}
constexpr TCondition SampleIs(std::string_view text) {
    return {ESubject::Sample, text, false};
}

// Whether `condition` holds for `unit`, the chunk's unit number `unitNumber` (1-based; only
// FirstUnit and LaterUnit read it).
bool Holds(const TCondition& condition, const TCharacter& unit, std::size_t unitNumber = 0);

// The number of units to walk: `CharCount`, but never more than `Chars` holds and never
// negative.
inline std::size_t UnitCount(const TSayWord& word) {
    return std::min<std::size_t>(static_cast<std::size_t>(std::max(word.CharCount, 0)),
                                 word.Chars.size());
}

// The sound S of a unit: the first character of its `Sample` ("kk" counts as k, "ch" as c).
inline char Sound(const TCharacter& unit) {
    return FirstChar(unit.Sample);
}

}  // namespace vokadlo
