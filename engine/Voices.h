// The engine's three voices: the constructor's voice argument, the name in the settings key,
// and the pitch shift the voice starts with.
#pragma once

#include <cstdint>

namespace vokadlo {

struct TVoice {
    std::int32_t number;
    const char* name;
    std::int32_t pitchShift;
};

inline constexpr TVoice kVoices[] = {
    {1, "VEMIRa", -30},
    {2, "VEMIRuska", -7},
    {3, "VEMIR", 5},
};

// The voice of a constructor argument; any other than 2 or 3 is voice 1.
constexpr const TVoice& VoiceFor(std::int32_t voice) {
    for (const TVoice& v : kVoices) {
        if (v.number == voice) {
            return v;
        }
    }
    return kVoices[0];
}

}  // namespace vokadlo
