// The values the engine reads from its settings store, in reading order, with the ranges a
// settings tool offers and the values the engine uses while a value was never stored.
#pragma once

#include <cstdint>
#include <string>

namespace vokadlo {

// Raised by the settings application whenever it has stored new values.
inline constexpr const char* kChangeFlag = "Values_Changed";

struct TStoredSetting {
    const char* name;
    bool isSwitch;     // "True" or anything else; otherwise a whole number as text
    std::int32_t min;  // the range a settings tool accepts (whole numbers)
    std::int32_t max;
    std::int32_t value;  // the engine's own value, in the store's unit; unused for pitch
    const char* meaning;
};

inline constexpr TStoredSetting kStoredSettings[] = {
    {"Volume_Position", false, 0, 60, 30, "gain x value/15 (30 = as recorded, 0 = silent)"},
    {"Speed_Position", false, 10, 1000, 100, "duration scale in percent (below 10: 100)"},
    {"Pith_Position", false, -100, 100, 0, "pitch, resampling count (the voice's own by default)"},
    {"Echo_tracsk_Position", false, 0, 10, 3, "echo taps"},
    {"Echo_delay_Position", false, 0, 200, 12, "echo delay in hundreds of samples"},
    {"Echo_Volume_Position", false, 0, 100, 8, "echo level"},
    {"Intonace_Checked", true, 0, 1, 1, "sentence intonation"},
    {"Intonace_endhacent_Checked", true, 0, 1, 1, "gliding intonation"},
};

// The text the engine would take for `setting` while it is not stored, for voice 1..3.
std::string StoredDefault(const TStoredSetting& setting, std::int32_t voice);

}  // namespace vokadlo
