// The engine's procedural interface: the calls the host uses to reach the single engine.
//
// All calls run on the program's one thread. Install the platform services (SetPlatform)
// before the first call, and call FinalizeEngine before destroying them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/SayParam.h"
#include "engine/SayText.h"

namespace vokadlo {

// The single engine; empty until the first call that builds it, and after FinalizeEngine.
extern std::unique_ptr<TSayText> SayTextInstance;

// Builds the engine (voice 1) if there is none; then, on every call, resets the per-call values:
// CurrentTone := 0, SpeedPercent := Round(SpeedFactor x 100), CurrentVolume := OutputVolume.
TSayText& GetSayText();

// Parameter ids of SetSayParam.
enum class TSayParam : std::uint8_t {
    OutputVolume = 0,     // integer
    PitchShift = 1,       // integer
    SpeedPercent = 2,     // integer; holds only until the next call resets it
    EchoVolume = 3,       // integer
    EchoDelay = 4,        // integer; resets the echo
    SamplesFromDisk = 5,  // boolean
    SampleFolder = 6,     // text
};

// Runs GetSayText, then sets one parameter; ids above 6 only run GetSayText. A value that cannot
// be converted throws EConvertError and leaves the setting unchanged.
void SetSayParam(std::uint8_t id, const TSayParamValue& value);

// Speaks a text (code page 1250) word by word; an empty or blank text stops speech. Ignored, and
// nothing is built, while SpeechEnabled is false or after FinalizeEngine.
void Say(const std::string& text);

// Speaks a text as one chunk that starts at once; same gates as Say. Errors preparing the chunk
// reach the caller.
void SayWord(const std::string& text);

// Runs GetSayText (no gates), then installs the progress callback; an empty one removes it.
void SetSayCallback(TSayCallback callback);

// Ends the engine: Say and SayWord do nothing from now on, the engine is destroyed (its player
// stopped first), and LastRemainder and SampleFolder are cleared. Also runs at program exit.
void FinalizeEngine();

}  // namespace vokadlo
