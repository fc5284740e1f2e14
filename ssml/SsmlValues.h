// The values of SSML attributes in the engine's terms.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vokadlo::ssml {

// <break>: `time` ("700ms", "1.5s") wins over `strength` (none .. x-strong); neither gives the
// medium break. Milliseconds, 0 .. kMaxBreakMs.
std::int32_t BreakMs(std::optional<std::string_view> time,
                     std::optional<std::string_view> strength);

// <prosody rate>: how many times faster than the text around ("x-slow" .. "x-fast", "50%",
// "+20%", "-20%", "1.5"); nullopt for a value it cannot read.
std::optional<double> RateFactor(std::string_view rate);

// <prosody volume>: the amplitude factor against the text around ("silent" .. "x-loud",
// "+6dB", "-3dB", "50%", "+10", "-10", "80" on the 0..100 scale whose middle is 50); nullopt
// for a value it cannot read.
std::optional<double> VolumeFactor(std::string_view volume);

// <voice>: the engine's voice (1 VEMIRa, 2 VEMIRuska, 3 VEMIR) for a name, else for a gender
// and an age as the Speech Dispatcher module maps its voice types (female 1, male 3, a child
// 2); nullopt when none is given or known.
std::optional<std::int32_t> VoiceNumber(std::optional<std::string_view> name,
                                        std::optional<std::string_view> gender,
                                        std::optional<std::string_view> age);

}  // namespace vokadlo::ssml
