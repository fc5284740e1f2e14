#include "engine/EngineSession.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>

#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "engine/OrvTts.h"
#include "engine/SessionBreaks.h"
#include "engine/Tags.h"
#include "engine/TextPlaces.h"
#include "platform/EventLoop.h"
#include "platform/PacedSilentPlayer.h"
#include "platform/Platform.h"
#ifndef VOKADLO_NO_SOUND_CARD
#include "platform/PortAudioPlayer.h"
#endif
#include "platform/RegSettingsStore.h"
#include "platform/StderrNotice.h"
#include "platform/VirtualClock.h"
#include "synthesis/SampleBank.h"
#include "voice/BuiltinVoice.h"

namespace vokadlo {
namespace {

bool sessionExists = false;

}  // namespace

// The services a session made itself; only those the host did not bring exist.
struct TEngineSession::TServices {
    std::optional<TVirtualClock> clock;
    std::optional<TEventLoop> loop;
#ifndef VOKADLO_NO_SOUND_CARD
    std::optional<TPortAudioPlayer> soundCard;
#endif
    std::optional<TPacedSilentPlayer> pacedSilence;
    std::optional<TSilentPlayer> silence;
    std::optional<TStderrNotice> notice;
    std::optional<TBreakPlayer> breaks;  // in front of the player

    ITimerFactory* timers = nullptr;
    ISoundPlayer* player = nullptr;
    INotice* shownNotice = nullptr;
};

// Wraps the host's timers so that no exception reaches its event loop: a handler that throws
// has its timer disabled and its message reported as an Error event.
class TEngineSession::TGuardedTimers final : public ITimerFactory {
  public:
    TGuardedTimers(ITimerFactory& inner, TEngineSession& session)
        : inner_(inner), session_(session) {}

    std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> handler) override {
        // The cell outlives the guarded timer in the handler's capture: a tick that arrives
        // after the timer is gone finds it empty.
        auto cell = std::make_shared<ITimer*>(nullptr);
        auto guarded = [this, cell, handler = std::move(handler)] {
            try {
                handler();
            } catch (const std::exception& e) {
                Halt(cell, e.what());
            } catch (...) {
                Halt(cell, "unknown error");
            }
        };
        auto timer = std::make_unique<TGuardedTimer>(inner_.CreateTimer(intervalMs, guarded), cell);
        return timer;
    }

  private:
    class TGuardedTimer final : public ITimer {
      public:
        TGuardedTimer(std::unique_ptr<ITimer> inner, std::shared_ptr<ITimer*> cell)
            : inner_(std::move(inner)), cell_(std::move(cell)) {
            *cell_ = inner_.get();
        }
        ~TGuardedTimer() override { *cell_ = nullptr; }
        void SetInterval(int ms) override { inner_->SetInterval(ms); }
        void SetEnabled(bool enabled) override { inner_->SetEnabled(enabled); }
        bool Enabled() const override { return inner_->Enabled(); }

      private:
        std::unique_ptr<ITimer> inner_;
        std::shared_ptr<ITimer*> cell_;
    };

    void Halt(const std::shared_ptr<ITimer*>& cell, const std::string& message) {
        if (*cell) {
            (*cell)->SetEnabled(false);
        }
        session_.ReportError(message);
    }

    ITimerFactory& inner_;
    TEngineSession& session_;
};

TEngineSession::TEngineSession(TSessionConfig config, TSessionEvents events)
    : config_(std::move(config)),
      events_(std::move(events)),
      services_(std::make_unique<TServices>()),
      places_(std::make_unique<TTextPlaces>()) {
    if (sessionExists) {
        throw std::logic_error("only one engine session may exist at a time");
    }
    TServices& s = *services_;
    const bool silent = config_.output == TSessionConfig::TOutput::Silent;

    s.player = config_.player;
    if (!s.player && silent) {
        s.player = &s.silence.emplace();
    }
    if (!s.player) {
#ifdef VOKADLO_NO_SOUND_CARD
        soundProblem_ = "built without sound output";  // into a library that only renders
#else
        TPortAudioPlayer& card = s.soundCard.emplace();
        if (card.Open()) {
            s.player = &card;
        } else {
            soundProblem_ = card.Problem();
            s.soundCard.reset();
        }
#endif
    }
    if (!s.player) {
        s.player = &s.pacedSilence.emplace();
    }
    s.timers = config_.timers;
    if (!s.timers) {
        s.timers = silent ? static_cast<ITimerFactory*>(&s.clock.emplace())
                          : static_cast<ITimerFactory*>(&s.loop.emplace());
    }
    s.shownNotice = config_.notice ? config_.notice : &s.notice.emplace(config_.programName);
    guardedTimers_ = std::make_unique<TGuardedTimers>(*s.timers, *this);

    TPlatform platform;
    // The engine plays through the breaks, which know the chunk of each image it plays.
    s.breaks.emplace(*s.player, [](const std::uint8_t* image) -> const TSayWord* {
        TSayText* engine = SayTextInstance.get();
        return engine && image == engine->CurrentStream().data() ? &engine->CurrentWord() : nullptr;
    });
    platform.Player = &*s.breaks;
    platform.Timers = guardedTimers_.get();
    platform.Notice = s.shownNotice;
    platform.Resources = config_.resources ? config_.resources : &BuiltinVoice();
    platform.CreateSettingsStore = config_.settingsStore ? config_.settingsStore : [] {
        return std::unique_ptr<ISettingsStore>(
            std::make_unique<TRegSettingsStore>(TRegSettingsStore::DefaultFile()));
    };
    platform.StepError = [this](const std::string& message) { ReportError(message); };
    SetPlatform(platform);

    sessionExists = true;
    // A session after an earlier one in the same program speaks again.
    Settings.EngineFinalized = false;
    if (config_.enableSpeech) {
        Settings.SpeechEnabled = true;
    }
    if (config_.buildEngine) {
        try {
            InstallEngine();
        } catch (...) {
            FinalizeEngine();
            SetPlatform(TPlatform{});
            sessionExists = false;
            throw;
        }
    }
}

TEngineSession::~TEngineSession() {
    // Sound first, then the engine, then (as members) the services it used.
    services_->player->Stop();
    FinalizeEngine();
    SetPlatform(TPlatform{});
    sessionExists = false;
}

void TEngineSession::InstallEngine() {
    SayTextInstance.reset();
    SayTextInstance = std::make_unique<TSayText>(config_.voice);
    InstallCallback();
    SayTextInstance->ReadEngineSettings();
}

void TEngineSession::InstallCallback() {
    SetSayCallback(
        [this](const std::string& text, const TMemoryStream* stream) { OnCallback(text, stream); });
    SayTextInstance->ChunkObserver = events_.ChunkRendered;
}

std::string TEngineSession::ForEngine(std::string_view text, TTextEncoding encoding,
                                      TTextPlaces* places) const {
    std::string converted;
    if (reading_ == TReadingMode::Czech) {
        const bool utf8 = encoding == TTextEncoding::Utf8;
        const std::string cp1250Input = utf8 ? std::string() : Cp1250ToUtf8(text);
        const std::string_view input = utf8 ? text : std::string_view(cp1250Input);
        TReadingResult read = ReadAsCzech(input, {.tags = !plainText_});
        if (places) {
            places->Reset(input, utf8, std::move(read.pieces));
        }
        converted = std::move(read.text);
    } else {
        converted = encoding == TTextEncoding::Utf8 ? Utf8ToCp1250(text) : std::string(text);
        if (places) {
            places->Reset(text, encoding == TTextEncoding::Utf8);
        }
    }
    if (plainText_) {
        std::replace(converted.begin(), converted.end(), '\\', ' ');
        std::replace(converted.begin(), converted.end(), '{', ' ');
    }
    return converted;
}

std::string TEngineSession::TextForEngine(std::string_view text, TTextEncoding encoding) {
    return ForEngine(text, encoding, nullptr);
}

bool TEngineSession::Speak(std::string_view text, TTextEncoding encoding) {
    return Begin(text, encoding, false);
}

bool TEngineSession::SpeakWord(std::string_view text, TTextEncoding encoding) {
    return Begin(text, encoding, true);
}

bool TEngineSession::Begin(std::string_view text, TTextEncoding encoding, bool wordMode) {
    try {
        spokenText_ = ForEngine(text, encoding, places_.get());
        wordMode_ = wordMode;
        chunkEnd_ = 0;
        const std::string& engineText = spokenText_;
        // As the design's hosts do: the callback goes in before every say (it builds the engine
        // when there is none yet).
        InstallCallback();
        chunkIndex_ = 0;
        if (wordMode) {
            SayWord(engineText);
        } else {
            Say(engineText);
        }
        return true;
    } catch (const std::exception& e) {
        ReportError(e.what());
        return false;
    }
}

void TEngineSession::Stop() {
    chunkIndex_ = 0;
    Say("");
}

bool TEngineSession::Speaking() const {
    const TSayText* engine = SayTextInstance.get();
    return engine && (engine->StepTimer->Enabled() || engine->EndTimer->Enabled());
}

void TEngineSession::ReleaseMemory() {
    if (Speaking() || !SayTextInstance) {
        return;
    }
    spokenText_ = std::string();
    InstallEngine();
}

std::size_t TEngineSession::PendingBytes() const {
    return SayTextInstance ? SayTextInstance->PendingText.size() : 0;
}

void TEngineSession::OnCallback(const std::string& text, const TMemoryStream* stream) {
    if (stream) {
        const TSayText& engine = *SayTextInstance;
        ++chunkIndex_;
        if (events_.ChunkStarted) {
            const auto [offset, length] = StartedChunkPlace();
            const TMemoryStream* withSilence = services_->breaks->LastWithSilence();
            events_.ChunkStarted({text, withSilence ? *withSilence : *stream, engine.CurrentSlot,
                                  chunkIndex_, offset, length});
        }
        if (events_.Bookmark) {
            // The slot that starts playing is still the current one during the report.
            const TSayWord& word = SayTextInstance->Words[engine.CurrentSlot - 1];
            const auto count = std::min<std::size_t>(word.Chars.size(), word.CharCount);
            for (std::size_t i = 0; i < count; ++i) {
                const auto& places = i == 0 ? word.Chars[i].MarksAtStart : word.Chars[i].Marks;
                for (const std::int32_t mark : places) {
                    if (mark != 0 && !services_->breaks->IsBreak(mark)) {
                        events_.Bookmark(mark);
                    }
                }
            }
        }
    } else if (text == kEndMarker) {
        if (events_.EndMarker) {
            events_.EndMarker();
        }
    } else if (text.empty()) {
        if (events_.End) {
            events_.End();
        }
    }
}

std::pair<std::ptrdiff_t, std::ptrdiff_t> TEngineSession::StartedChunkPlace() {
    std::string_view pending = SayTextInstance->PendingText.View();
    if (pending.ends_with(kEndMarker)) {
        pending.remove_suffix(std::strlen(kEndMarker));
    }
    if (pending.size() > spokenText_.size()) {
        return {-1, -1};
    }
    // The chunk (with any chunks skipped before it for yielding no sound) runs from where the
    // last one ended to what is still pending; its blanks are no part of its words.
    std::size_t begin = chunkEnd_;
    std::size_t end = std::max(begin, spokenText_.size() - pending.size());
    chunkEnd_ = end;
    while (begin < end && static_cast<unsigned char>(spokenText_[begin]) < 33) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(spokenText_[end - 1]) < 33) {
        --end;
    }
    if (begin == end) {
        return {-1, -1};
    }
    const auto [first, last] = places_->HostRange(begin, end);
    return {static_cast<std::ptrdiff_t>(first), static_cast<std::ptrdiff_t>(last - first)};
}

void TEngineSession::ReportError(const std::string& message) {
    if (!events_.Error) {
        return;
    }
    try {
        events_.Error(WithTagPlace(message));
    } catch (...) {
        // The error report is the last stop; an exception from it has nowhere to go.
    }
}

std::string TEngineSession::WithTagPlace(const std::string& message) {
    // Every report comes from the handler that caught the error (the step's, the timer guard's,
    // Begin's), so the error itself is at hand.
    const std::exception_ptr error = std::current_exception();
    if (!error) {
        return message;
    }
    try {
        std::rethrow_exception(error);
    } catch (const ETagValueError& e) {
        const std::optional<std::size_t> at = TagPlace(e.Tag());
        if (!at) {
            return Cp1250ToUtf8(e.what());
        }
        // The tag and its value as the text has them.
        const std::string tag = spokenText_.substr(*at, e.Tag().size());
        const std::string value = tag.substr(tag.size() - 1 - e.Value().size(), e.Value().size());
        return Cp1250ToUtf8("bad value \"" + value + "\" in tag " + tag + " at character " +
                            std::to_string(places_->HostCharacter(*at)));
    } catch (const std::bad_alloc&) {
        return "out of memory while preparing the speech";
    } catch (...) {
    }
    return message;
}

std::optional<std::size_t> TEngineSession::TagPlace(const std::string& tag) const {
    // The failing chunk was cut from the text just before what is still pending (the engine
    // keeps the rest of a cut long word there, and drops trailing blanks with the last word,
    // which only moves this end out over blanks).
    std::string_view pending =
        SayTextInstance ? SayTextInstance->PendingText.View() : std::string_view();
    if (pending.ends_with(kEndMarker)) {
        pending.remove_suffix(std::strlen(kEndMarker));
    }
    if (pending.size() > spokenText_.size()) {
        return std::nullopt;
    }
    // The engine reads tags lower-cased.
    const std::string cut =
        LowerCase(std::string_view(spokenText_).substr(0, spokenText_.size() - pending.size()));
    // The tag stands in the last word (up to a space) that holds it, where its first occurrence
    // is the one read first; in word mode the whole text is one chunk.
    const std::size_t last = cut.rfind(tag);
    if (last == std::string::npos) {
        return std::nullopt;  // the dictionary made it
    }
    const std::size_t space = wordMode_ ? std::string::npos : cut.rfind(' ', last);
    return cut.find(tag, space == std::string::npos ? 0 : space + 1);
}

void TEngineSession::SetVoice(std::int32_t voice) {
    Stop();
    config_.voice = voice;
    InstallEngine();
}

void TEngineSession::SetSpeedPercent(double percent) {
    if (SayTextInstance) {
        SayTextInstance->SpeedPercent = ClampToInt32(Round(percent));
    }
    Settings.SpeedFactor = percent / 100.0;
}

void TEngineSession::SetPitch(std::int32_t steps) {
    Settings.PitchShift = steps;
}

void TEngineSession::SetVolume(std::int32_t volume) {
    Settings.OutputVolume = volume;
}

void TEngineSession::SetAmplitude(std::int32_t percent) {
    // The gain multiplier is 2.0 for the recorded level.
    Settings.VolumeFactor = 2.0 * std::max(percent, 0) / 100.0;
}

void TEngineSession::SetEcho(std::int32_t tracks, std::int32_t delaySamples, std::int32_t volume) {
    Settings.EchoTracks = std::clamp(tracks, 0, 10);
    SetSayParam(static_cast<std::uint8_t>(TSayParam::EchoDelay), std::int64_t{delaySamples});
    SetSayParam(static_cast<std::uint8_t>(TSayParam::EchoVolume), std::int64_t{volume});
}

void TEngineSession::SetIntonation(bool on, bool linear) {
    Settings.IntonationOn = on;
    Settings.IntonationLinear = linear;
}

void TEngineSession::SetPauses(std::int32_t wordSpaceMs, std::int32_t periodPauseMs) {
    Settings.WordSpaceLength = wordSpaceMs;
    Settings.PeriodPauseLength = periodPauseMs;
}

void TEngineSession::SetRandomSpread(std::int32_t divisor) {
    Settings.RandomLength = divisor;
}

void TEngineSession::SetSamplesFromDisk(bool fromDisk, const std::string& folder) {
    SetSayParam(static_cast<std::uint8_t>(TSayParam::SamplesFromDisk), fromDisk);
    SetSayParam(static_cast<std::uint8_t>(TSayParam::SampleFolder), folder);
}

void TEngineSession::SetBreaks(std::map<std::int32_t, std::int32_t> msByMark) {
    services_->breaks->SetBreaks(std::move(msByMark));
}

std::int32_t TEngineSession::DiskRecordingCount() const {
    return CountDiskRecordings();
}

void TEngineSession::SetSeed(std::uint32_t seed) {
    Settings.ProsodySeed = seed;
}

void TEngineSession::ReadStoredSettings() {
    GetSayText().ReadEngineSettings();
}

std::string TEngineSession::StoredSettingsProblem() const {
    return SayTextInstance ? SayTextInstance->SettingsProblem : std::string();
}

void TEngineSession::RunUntilIdle(const std::function<bool()>& interrupted) {
    const auto stop = [&] { return !Speaking() || (interrupted && interrupted()); };
    if (services_->clock) {
        while (!stop()) {
            services_->clock->Advance(kStepInterval);
        }
    } else if (services_->loop) {
        services_->loop->Run(stop);
    } else {
        throw std::logic_error("RunUntilIdle: the host runs the timers of this session");
    }
}

}  // namespace vokadlo
