#include "engine/OrvTts.h"

#include <cstdlib>

#include "core/EngineSettings.h"
#include "core/Numeric.h"

namespace vokadlo {

std::unique_ptr<TSayText> SayTextInstance;

namespace {

void FinalizeAtExit() {
    FinalizeEngine();
}

bool SayGateOpen() {
    return !Settings.EngineFinalized && Settings.SpeechEnabled;
}

}  // namespace

TSayText& GetSayText() {
    if (!SayTextInstance) {
        SayTextInstance = std::make_unique<TSayText>(1);
        // Registered after the engine and the services it uses exist, so that it runs before
        // any of them is destroyed at exit.
        static const bool registered = (std::atexit(FinalizeAtExit), true);
        (void)registered;
    }
    TSayText& engine = *SayTextInstance;
    engine.CurrentTone = 0;
    engine.SpeedPercent = ClampToInt32(Round(Settings.SpeedFactor * 100));
    engine.CurrentVolume = Settings.OutputVolume;
    return engine;
}

void SetSayParam(std::uint8_t id, const TSayParamValue& value) {
    TSayText& engine = GetSayText();
    switch (static_cast<TSayParam>(id)) {
        case TSayParam::OutputVolume:
            Settings.OutputVolume = ToInteger(value);
            break;
        case TSayParam::PitchShift:
            Settings.PitchShift = ToInteger(value);
            break;
        case TSayParam::SpeedPercent:
            engine.SpeedPercent = ToInteger(value);
            break;
        case TSayParam::EchoVolume:
            Settings.EchoVolume = ToInteger(value);
            break;
        case TSayParam::EchoDelay:
            Settings.EchoDelay = ToInteger(value);
            engine.ResetEcho();
            break;
        case TSayParam::SamplesFromDisk:
            Settings.SamplesFromDisk = ToBoolean(value);
            break;
        case TSayParam::SampleFolder:
            Settings.SampleFolder = ToText(value);
            break;
        default:
            break;
    }
}

void Say(const std::string& text) {
    if (!SayGateOpen()) {
        return;
    }
    GetSayText().Speak(text);
}

void SayWord(const std::string& text) {
    if (!SayGateOpen()) {
        return;
    }
    TSayText& engine = GetSayText();
    engine.WordMode = true;
    try {
        engine.Speak(text);
    } catch (...) {
        engine.WordMode = false;
        throw;
    }
    engine.WordMode = false;
}

void SetSayCallback(TSayCallback callback) {
    GetSayText().Callback = std::move(callback);
}

void FinalizeEngine() {
    Settings.EngineFinalized = true;
    try {
        SayTextInstance.reset();
    } catch (...) {
        // An error while tearing down at program end has nowhere to go; it is dropped on purpose.
    }
    Settings.LastRemainder.clear();
    Settings.SampleFolder.clear();
}

}  // namespace vokadlo
