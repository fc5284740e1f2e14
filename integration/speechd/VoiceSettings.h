// Speech Dispatcher's voice settings in the engine's units, and the module's configuration file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vokadlo::speechd {

// rate -100..100 as a duration scale in percent (100 = recorded tempo). The tempo is
// 2^(rate/100) below 0 and 3^(rate/100) above: -100 speaks half as fast, 100 three times as
// fast. The scale that gives a tempo is read off a curve measured on Czech text, since pauses
// and short sounds do not stretch alike: -100 -> 159.5, -50 -> 128.7, 0 -> 100, 50 -> 65,
// 100 -> 22.
double SpeedPercentForRate(int rate);

// pitch -100..100 as a resampling count (the unit of the engine's PitchShift). 0 keeps the
// voice's own count; the pitch factor then moves geometrically up to that of the high voice type
// "skřítek" (count -3, 1.5 times higher) at 100 and down to that of "chlap" (count 2, 2/3 of the
// pitch) at -100, rounded to the nearest count; on the way it passes the counts of the other
// voice types (-6, -20, 0, 5).
std::int32_t PitchShiftForPitch(int pitch, std::int32_t voicePitchShift);

// The pitch factor of a resampling count: c > 1 lowers to c / (c + 1), c < -1 raises to
// |c| / (|c| - 1), -1..1 leave it.
double PitchFactor(std::int32_t count);

// volume -100..100 as OutputVolume 0..63750. The amplitude is (volume + 100) / 200 of the
// engine's normal level (100 = full scale, the engine's default; 0 = half). The engine scales a
// unit by OutputVolume / 63750 twice (unit volume and chunk volume), hence the square root.
// -100 is silence, which OutputVolume cannot express (0 switches the scaling off): nullopt,
// and the module sends silent samples.
std::optional<std::int32_t> OutputVolumeForVolume(int volume);

// The three voices: number for the session, name, Speech Dispatcher's language.
struct TModuleVoice {
    std::int32_t number;
    const char* name;
};
inline constexpr TModuleVoice kModuleVoices[] = {{1, "VEMIRa"}, {2, "VEMIRuska"}, {3, "VEMIR"}};
inline constexpr const char* kLanguage = "cs";

// The voice number of a name (any letter case), or nullopt.
std::optional<std::int32_t> VoiceByName(std::string_view name);

// What the module's configuration file (vokadlo.conf) may set.
struct TModuleConfig {
    // Voice types (MALE1 ... CHILD_FEMALE, upper case) to voice numbers, from AddVoice lines.
    std::map<std::string, std::int32_t> voiceTypes = {
        {"MALE1", 3},   {"MALE2", 3},   {"MALE3", 3},      {"FEMALE1", 1},
        {"FEMALE2", 1}, {"FEMALE3", 1}, {"CHILD_MALE", 2}, {"CHILD_FEMALE", 2},
    };
    std::int32_t defaultVoice = 1;  // DefaultVoice: when neither name nor type decides
    // VokadloAudioAhead: how far, in ms of sound, the module may run ahead of the clock.
    int audioAheadMs = 1000;
    std::vector<std::string> warnings;  // lines the module did not understand
};

// Reads the configuration file; a missing file gives the defaults. Lines are
// `Name argument...` with "quoted" arguments and # comments, as Speech Dispatcher writes them.
TModuleConfig ReadModuleConfig(const std::string& path);

// The voice for a message: the synthesis voice when it names one, else the voice type's voice,
// else the default voice.
std::int32_t ChooseVoice(const TModuleConfig& config, std::string_view synthesisVoice,
                         std::string_view voiceType);

}  // namespace vokadlo::speechd
