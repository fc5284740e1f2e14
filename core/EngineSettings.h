// Every engine-wide setting, in one place, with its initial value.
//
// The host may write these directly; the set-parameter call and the settings store write some of
// them too. Tests that change a setting restore it with `TSettingsGuard`.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/SharedText.h"

namespace vokadlo {

// Notes -12..12 index the tone tables at note + 12.
inline constexpr int kToneCount = 25;
using TToneTable = std::array<std::int32_t, kToneCount>;

struct TEngineSettings {
    bool SpeechEnabled = false;         // gate of Say / SayWord; the host opens it once at start-up
    bool EngineFinalized = false;       // gate of Say / SayWord; set by FinalizeEngine
    std::int32_t OutputVolume = 63750;  // 0..63750; 63750 = full scale, 0 = no scaling
    std::int32_t PitchShift =
        0;                      // pitch steps added to every pitch; construction sets it per voice
    double SpeedFactor = 1.0;   // 1.0 = recorded tempo
    double VolumeFactor = 2.0;  // gain multiplier of every unit
    std::int32_t EchoTracks = 3;    // echo taps, 0..10
    std::int32_t EchoDelay = 1200;  // samples between taps
    std::int32_t EchoVolume = 8;    // 0..100
    bool SamplesFromDisk = false;   // recordings from SampleFolder instead of the built-in voice
    std::string SampleFolder = ".\\Vemira\\22050";  // "\" is read as "/"
    bool IntonationOn = true;
    bool IntonationLinear = true;
    std::int32_t SamplesPerMs = 22;        // ms x 22 = samples (not 22.05)
    std::int32_t RandomLength = 20;        // divisor of the random spread of durations, 1..50
    std::int32_t WordSpaceLength = 40;     // ms, duration of a space unit
    std::int32_t PeriodPauseLength = 460;  // ms, pause before a full stop
    std::int32_t CommaPauseLength = 200;   // ms, pause before a comma
    TSharedText LastRemainder;             // pending text left by the last preparation

    // Pitch offsets of toned units, indexed by note + 12 (note -12..12); the host's tone editor
    // writes them.
    // clang-format off
    //                        -12  -11  -10  -9  -8  -7  -6  -5  -4  -3   -2  -1  0    1    2    3   4   5    6   7    8   9  10  11  12
    TToneTable ToneTableLo = {  3,   2,   3,  3,  5,  7,  7, 12,  0,  0, -35,  0, 0,   0,   0, -34,  0,  0, -16,  0, -17, -9, -7, -5, -4};
    TToneTable ToneTableHi = {  2,   4,   3,  4,  3,  3,  4,  4,  4,  5,   6, 14, 0, -20, -10,  -7, -5, -4,  -4, -3,  -3, -3, -3, -3, -3};
    // clang-format on

    // When set, the prosody seeds its random source with this value instead of the time of
    // day, so that output is reproducible.
    std::optional<std::uint32_t> ProsodySeed;

    // Decimal separator for number reading; 0 means the user's locale (LC_NUMERIC) decides.
    char DecimalSeparator = 0;
};

// The program's engine-wide settings.
inline TEngineSettings Settings;

// Restores every engine-wide setting on destruction (for tests and temporary changes).
class TSettingsGuard {
  public:
    TSettingsGuard() : saved_(Settings) {}
    ~TSettingsGuard() { Settings = saved_; }
    TSettingsGuard(const TSettingsGuard&) = delete;
    TSettingsGuard& operator=(const TSettingsGuard&) = delete;

  private:
    TEngineSettings saved_;
};

}  // namespace vokadlo
