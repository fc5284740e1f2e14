#include "engine/SayText.h"

#include <cmath>

#include "core/Cp1250Literal.h"
#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "engine/Voices.h"
#include "synthesis/WavImage.h"

namespace vokadlo {
namespace {

// Through a view: clang 14 crashes building a string straight from the literal.
constexpr std::string_view kInitErrorText = "Chyba při inicializaci"_cp;
const std::string kInitError{kInitErrorText};

}  // namespace

std::string SettingsKeyFor(const std::string& voiceName) {
    return "\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\" + voiceName;
}

TSayText::TSayText(std::int32_t voice) : Player(PlatformPlayer()), Resources(PlatformResources()) {
    const TVoice& chosen = VoiceFor(voice);
    Settings.PitchShift = chosen.pitchShift;
    LastMark = -222;
    CurrentSlot = 1;
    ChunkReady = false;

    try {
        LoadHeaderTemplate(Resources, HeaderTemplate, SilenceImage);
    } catch (const std::exception&) {
        // The engine is still built; without templates every image stays silent.
        PlatformNotice().Show(kInitError);
    }

    ITimerFactory& timers = PlatformTimers();
    StepTimer = timers.CreateTimer(kStepInterval, [this] { SpeakStep(); });
    EndTimer = timers.CreateTimer(kEndInterval, [this] { WatchEnd(); });

    LoadUserDictionary();
    TextRestart = true;
    BuildPronunciationTable();

    CurrentTone = 0;
    SpeedPercent = ClampToInt32(Round(Settings.SpeedFactor * 100));
    CurrentVolume = Settings.OutputVolume;
    ResetEcho();

    VoiceName = chosen.name;
    SettingsStore = CreatePlatformSettingsStore();
    SettingsStore->OpenKey(
        SettingsKeyFor(VoiceName));  // a key that cannot be opened reads as empty
}

TSayText::~TSayText() {
    PendingText.clear();
    Callback = nullptr;
    // The player must not read an image once it is freed.
    Player.Stop();
    if (StepTimer) {
        StepTimer->SetEnabled(false);
    }
    if (EndTimer) {
        EndTimer->SetEnabled(false);
    }
    StepTimer.reset();
    EndTimer.reset();
    if (SettingsStore) {
        SettingsStore->CloseKey();
    }
}

void TSayText::ResetEcho() {
    vokadlo::ResetEcho(Echo);
}

}  // namespace vokadlo
