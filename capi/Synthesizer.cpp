#include "capi/Synthesizer.h"

#include <bit>
#include <cstdio>
#include <cstring>

#include "capi/Options.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "platform/ConfigDir.h"
#include "platform/Notice.h"
#include "reading/Reading.h"
#include "ssml/Ssml.h"

namespace vokadlo::capi {
namespace {

constexpr std::size_t kSamplesStart = 46;  // a chunk image's samples follow its 46-byte header

}  // namespace

// The engine's notices: on standard error when the caller asked for them, else dropped.
class TSynthesizer::TNotice final : public INotice {
  public:
    explicit TNotice(const TSynthesizer& owner) : owner_(owner) {}
    void Show(const std::string& text) override {
        const std::string* on = owner_.Value("notices");
        if (on && *on == "on") {
            std::fprintf(stderr, "vokadlo: %s\n", Cp1250ToUtf8(text).c_str());
        }
    }

  private:
    const TSynthesizer& owner_;
};

// One vokadlo_synthesize call: the caller's callbacks and where the stream stands.
struct TSynthesizer::TCall {
    vokadlo_audio_fn onAudio = nullptr;
    vokadlo_event_fn onEvent = nullptr;
    void* user = nullptr;
    std::uint64_t delivered = 0;          // samples handed to onAudio
    std::vector<std::int16_t> pending{};  // the started chunk's samples, after its marks
    std::int64_t textOffset = -1;         // the started chunk's place in the caller's text
    std::int64_t textLength = -1;
    std::vector<std::string> marks{};  // SSML: the name of each bookmark number, from 1
    bool places = true;                // false: the text spoken is not the caller's (SSML)
    bool stopped = false;              // a callback returned non-zero
    bool ended = false;
    std::string error{};
};

TSynthesizer::TSynthesizer() : notice_(std::make_unique<TNotice>(*this)) {
    // Every synthesizer starts as a freshly started program does, whatever one before it set.
    Settings = TEngineSettings{};
    SetConfigDirOverride({});
    TSessionConfig config;
    config.output = TSessionConfig::TOutput::Silent;
    config.notice = notice_.get();
    config.programName = "vokadlo";
    TSessionEvents events;
    events.ChunkStarted = [this](const TChunkStart& chunk) { OnChunk(chunk); };
    events.Bookmark = [this](std::int32_t mark) { OnMark(mark); };
    events.End = [this] { OnEnd(); };
    events.Error = [this](const std::string& message) { OnError(message); };
    session_ = std::make_unique<TEngineSession>(std::move(config), std::move(events));
    // As vokadlo-say reads a text unless told otherwise.
    session_->SetReading(TReadingMode::Czech);
}

TSynthesizer::~TSynthesizer() {
    session_.reset();
    SetConfigDirOverride({});
}

const std::string* TSynthesizer::Value(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? nullptr : &found->second;
}

void TSynthesizer::SetOption(const std::string& name, const std::string& value) {
    const std::string checked = CheckOption(name, value);
    if (RebuildsEngine(name)) {
        // A value the engine cannot be built with is refused and leaves the one before.
        const std::optional<std::string> before =
            Value(name) ? std::optional<std::string>(*Value(name)) : std::nullopt;
        values_[name] = checked;
        try {
            Rebuild();
        } catch (...) {
            if (before) {
                values_[name] = *before;
            } else {
                values_.erase(name);
            }
            Rebuild();
            throw;
        }
        return;
    }
    if (name == "samples_from_disk" && !checked.empty()) {
        ApplyOption(*session_, name, checked);
        if (session_->DiskRecordingCount() == 0) {
            const std::string* before = Value(name);
            ApplyOption(*session_, name, before ? *before : std::string());
            throw EOptionError(name + ": \"" + value +
                               "\" holds none of the voice's 34 recordings (a.wav, ch.wav ..., "
                               "mono 16-bit 22050 Hz PCM)");
        }
    } else {
        ApplyOption(*session_, name, checked);
    }
    values_[name] = checked;
    values_.erase(ReplacedOption(name));
}

void TSynthesizer::Rebuild(std::optional<std::int32_t> voiceOfText) {
    const std::string* folder = Value("config_dir");
    SetConfigDirOverride(folder ? *folder : std::string());
    const std::string* voice = Value("voice");
    // Rereads the user dictionary and the settings store, and sets the voice's own pitch.
    session_->SetVoice(voiceOfText ? *voiceOfText : voice ? std::stoi(*voice) : 1);
    for (const auto& [name, value] : values_) {
        if (!RebuildsEngine(name)) {
            ApplyOption(*session_, name, value);
        }
    }
}

TOutcome TSynthesizer::Synthesize(const std::string& utf8, vokadlo_audio_fn onAudio,
                                  vokadlo_event_fn onEvent, void* user) {
    if (!IsValidUtf8(utf8)) {
        return {VOKADLO_ERR_TEXT, "the text is not valid UTF-8"};
    }
    TCall call{onAudio, onEvent, user};
    call_ = &call;
    struct TReset {
        TSynthesizer& owner;
        bool document = false;  // an SSML document's breaks and voice to undo
        bool voice = false;
        ~TReset() {
            owner.call_ = nullptr;
            if (document) {
                owner.session_->SetBreaks({});
            }
            if (voice) {
                try {
                    owner.Rebuild();
                } catch (...) {
                    // Nobody to tell here: the next option or text set meets the engine as it is.
                }
            }
        }
    } reset{*this};

    const std::string* format = Value("format");
    if (format && *format == "ssml") {
        reset.document = true;
        const std::string text = ReadDocument(utf8, reset.voice);
        session_->Speak(text, TTextEncoding::Utf8);
    } else {
        session_->Speak(utf8, TTextEncoding::Utf8);
    }
    session_->RunUntilIdle([&] { return !Flush() || !call.error.empty(); });
    if (call.stopped || !call.error.empty()) {
        session_->Stop();
        if (call.stopped) {
            return {VOKADLO_ERR_STOPPED, "stopped by a callback"};
        }
        return {VOKADLO_ERR_SYNTHESIS, call.error};
    }
    // A blank text starts nothing, so the session reports no end.
    if (!call.ended && Flush()) {
        call.ended = true;
        Emit(VOKADLO_EVENT_END, nullptr, nullptr);
    }
    return call.stopped ? TOutcome{VOKADLO_ERR_STOPPED, "stopped by a callback"} : TOutcome{};
}

std::string TSynthesizer::ReadDocument(const std::string& document, bool& voiceChanged) {
    TSsmlOptions options;
    options.speedPercent = Settings.SpeedFactor * 100;
    options.volume = Settings.OutputVolume;
    TSsmlText read = ReadSsml(document, options);
    if (!read.notice.empty()) {
        notice_->Show(Utf8ToCp1250(read.notice));
    }
    // The document's voice holds for the document only.
    const std::string* voice = Value("voice");
    if (read.voice && *read.voice != (voice ? std::stoi(*voice) : 1)) {
        voiceChanged = true;
        Rebuild(*read.voice);
    }
    for (TSsmlMark& mark : read.marks) {
        call_->marks.push_back(std::move(mark.name));
    }
    call_->places = false;
    session_->SetBreaks(read.Breaks());
    session_->SetPlainText(false);  // the reader's own tags act; the document's text makes none
    return std::move(read.text);
}

bool TSynthesizer::Emit(int type, const char* mark, const char* text) {
    TCall& call = *call_;
    if (call.stopped) {
        return false;
    }
    if (call.onEvent) {
        vokadlo_event event{};
        event.type = type;
        event.sample_offset = call.delivered;
        event.text_offset = type == VOKADLO_EVENT_END ? -1 : call.textOffset;
        event.text_length = type == VOKADLO_EVENT_END ? -1 : call.textLength;
        event.mark = mark;
        event.text = text;
        call.stopped = call.onEvent(&event, call.user) != 0;
    }
    return !call.stopped;
}

bool TSynthesizer::Flush() {
    TCall& call = *call_;
    if (call.stopped) {
        return false;
    }
    if (call.pending.empty()) {
        return true;
    }
    if (call.onAudio) {
        call.stopped = call.onAudio(call.pending.data(), call.pending.size(), call.user) != 0;
    }
    call.delivered += call.pending.size();
    call.pending.clear();
    return !call.stopped;
}

void TSynthesizer::OnChunk(const TChunkStart& chunk) {
    if (!call_ || !Flush()) {
        return;
    }
    TCall& call = *call_;
    call.textOffset = call.places ? chunk.textOffset : -1;
    call.textLength = call.places ? chunk.textLength : -1;
    if (!Emit(VOKADLO_EVENT_WORD, nullptr, Cp1250ToUtf8(chunk.display).c_str())) {
        return;
    }
    // The image is the engine's and lives during this event only; its samples wait for the
    // chunk's marks.
    const std::size_t count =
        chunk.image.size() > kSamplesStart ? (chunk.image.size() - kSamplesStart) / 2 : 0;
    const std::uint8_t* bytes = chunk.image.data() + kSamplesStart;
    call.pending.resize(count);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(call.pending.data(), bytes, count * 2);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            call.pending[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        }
    }
}

void TSynthesizer::OnMark(std::int32_t mark) {
    if (!call_) {
        return;
    }
    const std::vector<std::string>& names = call_->marks;
    const bool named = mark >= 1 && static_cast<std::size_t>(mark) <= names.size();
    Emit(VOKADLO_EVENT_MARK, named ? names[mark - 1].c_str() : std::to_string(mark).c_str(),
         nullptr);
}

void TSynthesizer::OnEnd() {
    if (call_ && Flush()) {
        call_->ended = true;
        Emit(VOKADLO_EVENT_END, nullptr, nullptr);
    }
}

void TSynthesizer::OnError(const std::string& message) {
    if (call_) {
        call_->error = message.empty() ? "the text could not be spoken" : message;
    }
}

}  // namespace vokadlo::capi
