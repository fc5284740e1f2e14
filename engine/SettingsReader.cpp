// Reads the voice settings a separate settings application leaves in the settings store.
//
// The application raises "Values_Changed"; the engine reads all values at the first new text
// after construction and whenever the flag is raised, clearing the flag before it reads.
#include <algorithm>
#include <iterator>

#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "core/ParseInt.h"
#include "engine/SayText.h"
#include "engine/StoredSettings.h"
#include "platform/ConfigFile.h"
#include "platform/Platform.h"

namespace vokadlo {
namespace {

// How each stored value becomes an engine setting.
using TApply = void (*)(TSayText& engine, const std::string& text);

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

// In the order of kStoredSettings.
constexpr TApply kApply[] = {ApplyVolume,    ApplySpeed,      ApplyPitch,      ApplyEchoTracks,
                             ApplyEchoDelay, ApplyEchoVolume, ApplyIntonation, ApplyLinear};
static_assert(std::size(kApply) == std::size(kStoredSettings));

}  // namespace

void TSayText::ReadEngineSettings() {
    const char* reading = kChangeFlag;
    try {
        const std::int32_t changed = SettingsStore->ReadInteger(kChangeFlag);
        if (changed == 0 && SettingsLoaded) {
            return;
        }
        SettingsLoaded = true;
        try {
            SettingsStore->WriteInteger(kChangeFlag, 0);
        } catch (const ESettingsStoreError& e) {
            // The values are read only once the flag is down: without that they stay unread,
            // which the user hears once, whatever the host.
            const std::string problem = std::string(e.what()) + " (the stored settings are " +
                                        "ignored: " + kChangeFlag + " cannot be cleared)";
            if (FirstTimeToSay(problem)) {
                PlatformNotice().Show(Utf8ToCp1250(problem));
            }
            throw;
        }
        SettingsProblem.clear();
        for (std::size_t i = 0; i < std::size(kStoredSettings); ++i) {
            reading = kStoredSettings[i].name;
            kApply[i](*this, SettingsStore->ReadString(reading));
        }
        ResetEcho();
    } catch (const std::exception& e) {
        // Settings-store errors are absorbed on purpose: values read so far stay in force, the
        // rest keep their previous values, and the engine speaks on. A host may show why.
        SettingsProblem = std::string(reading) + ": " + e.what();
    }
}

}  // namespace vokadlo
