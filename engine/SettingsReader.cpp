// Reads the voice settings a separate settings application leaves in the settings store.
//
// The application raises "Values_Changed"; the engine reads all values at the first new text
// after construction and whenever the flag is raised, clearing the flag before it reads.
#include <algorithm>

#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "core/ParseInt.h"
#include "engine/SayText.h"

namespace vokadlo {
namespace {

// One stored value and how it becomes an engine setting, in reading order.
struct TStoredSetting {
    const char* name;
    void (*apply)(TSayText& engine, const std::string& text);
};

void ApplyVolume(TSayText&, const std::string& text) {
    Settings.VolumeFactor = ParseInt(text) / 15.0;
}

void ApplySpeed(TSayText& engine, const std::string& text) {
    Settings.SpeedFactor = ParseInt(text) / 100.0;
    if (Settings.SpeedFactor < 0.1) {
        Settings.SpeedFactor = 1.0;
    }
    engine.SpeedPercent = ClampToInt32(Round(Settings.SpeedFactor * 100));
}

void ApplyPitch(TSayText&, const std::string& text) {
    Settings.PitchShift = ParseInt(text);
}

void ApplyEchoTracks(TSayText&, const std::string& text) {
    // Storage holds ten taps; more from the store are used as ten.
    Settings.EchoTracks = std::min(ParseInt(text), 10);
}

void ApplyEchoDelay(TSayText&, const std::string& text) {
    Settings.EchoDelay = ClampToInt32(std::int64_t{ParseInt(text)} * 100);
}

void ApplyEchoVolume(TSayText&, const std::string& text) {
    Settings.EchoVolume = ParseInt(text);
}

void ApplyIntonation(TSayText&, const std::string& text) {
    Settings.IntonationOn = text == "True";
}

void ApplyLinear(TSayText&, const std::string& text) {
    Settings.IntonationLinear = text == "True";
}

constexpr TStoredSetting kStoredSettings[] = {
    {"Volume_Position", ApplyVolume},        {"Speed_Position", ApplySpeed},
    {"Pith_Position", ApplyPitch},           {"Echo_tracsk_Position", ApplyEchoTracks},
    {"Echo_delay_Position", ApplyEchoDelay}, {"Echo_Volume_Position", ApplyEchoVolume},
    {"Intonace_Checked", ApplyIntonation},   {"Intonace_endhacent_Checked", ApplyLinear},
};

constexpr const char* kChangeFlag = "Values_Changed";

}  // namespace

void TSayText::ReadEngineSettings() {
    try {
        const std::int32_t changed = SettingsStore->ReadInteger(kChangeFlag);
        if (changed == 0 && SettingsLoaded) {
            return;
        }
        SettingsLoaded = true;
        SettingsStore->WriteInteger(kChangeFlag, 0);
        for (const TStoredSetting& setting : kStoredSettings) {
            setting.apply(*this, SettingsStore->ReadString(setting.name));
        }
        ResetEcho();
    } catch (const std::exception&) {
        // Settings-store errors are absorbed on purpose: values read so far stay in force, the
        // rest keep their previous values, and the engine speaks on.
    }
}

}  // namespace vokadlo
