// The piano of the page "Lálálá": 25 playable keys, a chromatic scale of notes -12..12, that
// sing the text of the edit Zpev behind a tone tag.
#pragma once

#include <QString>

#include <array>
#include <string>

namespace vokadlo {

struct TPianoKey {
    const char* name;  // D12..D1 for notes -12..-1, T0..T12 for 0..12; Button.. are not played
    int left;          // pixels; every key's top edge is at 42
    bool black;
    bool playable;
};

inline constexpr int kPianoKeyTop = 42;
inline constexpr int kWhiteKeyWidth = 21;
inline constexpr int kWhiteKeyHeight = 72;
inline constexpr int kBlackKeyWidth = 15;
inline constexpr int kBlackKeyHeight = 41;

// Left to right.
inline constexpr std::array<TPianoKey, 31> kPianoKeys = {{
    {"Button30", 13, false, false},  {"D12", 26, true, true},
    {"D11", 34, false, true},        {"D10", 47, true, true},
    {"D9", 55, false, true},         {"D8", 68, true, true},
    {"D7", 76, false, true},         {"D6", 97, false, true},
    {"D5", 110, true, true},         {"D4", 118, false, true},
    {"D3", 131, true, true},         {"D2", 139, false, true},
    {"D1", 160, false, true},        {"T0", 173, true, true},
    {"T1", 181, false, true},        {"T2", 194, true, true},
    {"T3", 202, false, true},        {"T4", 215, true, true},
    {"T5", 223, false, true},        {"T6", 244, false, true},
    {"T7", 257, true, true},         {"T8", 265, false, true},
    {"T9", 278, true, true},         {"T10", 286, false, true},
    {"T11", 307, false, true},       {"T12", 319, true, true},
    {"Button12", 328, false, false}, {"Button26", 340, true, false},
    {"Button11", 349, false, false}, {"Button25", 361, true, false},
    {"Button13", 370, false, false},
}};

// The tone tag a key's name stands for: "T5" gives \ton=5\, "D12" gives \ton=-12\; any other
// name gives none.
std::string ToneTag(const QString& keyName);

}  // namespace vokadlo
