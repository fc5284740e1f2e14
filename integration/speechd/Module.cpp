#include "integration/speechd/Module.h"

#include <malloc.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include "core/CodePage.h"
#include "engine/SayText.h"
#include "engine/Voices.h"
#include "platform/WavHeader.h"

namespace vokadlo::speechd {
namespace {

constexpr std::size_t kSamplesStart = 46;   // a chunk image's samples follow its 46-byte header
constexpr std::size_t kAudioPiece = 10000;  // bytes per AUDIO event
constexpr std::int32_t kFullVolume = 63750;
// A message text or a chunk's sound this large leaves memory to give back when it ends.
constexpr std::size_t kBigText = 1 << 16;
constexpr std::size_t kBigBytes = 1 << 20;

using TClock = std::chrono::steady_clock;

long long MsSince(TClock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - t).count();
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The text of a SPEAK-like command: lines up to a line of a single ".", a doubled leading dot
// undone. nullopt when the input ends first.
std::optional<std::vector<std::string>> ReadBody(TLineInput& in) {
    std::vector<std::string> lines;
    for (;;) {
        auto line = in.ReadLine();
        if (!line) {
            return std::nullopt;
        }
        if (*line == ".") {
            return lines;
        }
        if (!line->empty() && (*line)[0] == '.') {
            line->erase(0, 1);
        }
        lines.push_back(std::move(*line));
    }
}

// A decimal SET value with saturation: the value, or the nearest end of int's range when it lies
// beyond; nullopt when it is no number.
std::optional<int> SaturatedInt(const std::string& value) {
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);  // saturates, sets ERANGE
    if (end == value.c_str() || *end != '\0') {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<long long>(number, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// A mark's name as one protocol line: up to its first control character.
std::string OneLine(const std::string& name) {
    const auto control = std::find_if(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < ' ' || c == '\x7F';
    });
    return std::string(name.begin(), control);
}

}  // namespace

bool TLog::DebugTo(const std::string& path) {
    DebugOff();
    debug_ = std::fopen(path.c_str(), "a");
    return debug_ != nullptr;
}

void TLog::DebugOff() {
    if (debug_) {
        std::fclose(debug_);
        debug_ = nullptr;
    }
}

void TLog::Write(int level, const std::string& message) {
    if (level > Level()) {
        return;
    }
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%02d:%02d:%02d.%03d]", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(ms));
    for (std::FILE* f : {stderr, debug_}) {
        if (f && level <= (f == stderr ? level_ : 5)) {
            std::fprintf(f, "%s sd_vokadlo: %s\n", stamp, message.c_str());
            std::fflush(f);
        }
    }
}

TModule::TModule(TModuleConfig config, TLog& log, TReplies& out)
    : config_(std::move(config)), log_(log), out_(out), voice_(config_.defaultVoice) {
    TSessionConfig sessionConfig;
    sessionConfig.output = TSessionConfig::TOutput::Silent;
    sessionConfig.timers = &clock_;
    sessionConfig.voice = voice_;
    sessionConfig.programName = "sd_vokadlo";
    TSessionEvents events;
    events.ChunkStarted = [this](const TChunkStart& chunk) { OnChunk(chunk); };
    events.Bookmark = [this](std::int32_t mark) { OnMark(mark); };
    events.End = [this] { ended_ = true; };
    events.Error = [this](const std::string& message) {
        failed_ = true;
        log_.Write(1, "speech failed: " + message);
    };
    // The module's own bookmark tags must act, so the session's plain-text switch stays off;
    // the message text already keeps the user's "\" and "{" from opening tags.
    session_ = std::make_unique<TEngineSession>(std::move(sessionConfig), std::move(events));
    // Numbers, units, dates and abbreviations are read as a Czech speaker reads them.
    session_->SetReading(TReadingMode::Czech);
    for (const std::string& warning : config_.warnings) {
        log_.Write(1, warning);
    }
}

TModule::~TModule() = default;

int TModule::Serve(TLineInput& in) {
    for (;;) {
        while (auto line = in.Next()) {
            if (!Command(*line, in)) {
                return 0;
            }
            out_.Flush();
        }
        if (!speaking_) {
            if (!in.Wait(-1)) {
                return 2;
            }
            continue;
        }
        // Input first: a STOP waiting in the pipe must not wait for another chunk.
        if (!in.Wait(MsUntilStep())) {
            return 2;
        }
        if (!in.HasLine() && MsUntilStep() == 0) {
            Step();
        }
    }
}

bool TModule::Command(const std::string& line, TLineInput& in) {
    log_.Write(5, "command: " + line);
    if (line == "SPEAK") {
        Speak(in, TKind::Text);
    } else if (line == "CHAR") {
        Speak(in, TKind::Char);
    } else if (line == "KEY") {
        Speak(in, TKind::Key);
    } else if (line == "SOUND_ICON") {
        Speak(in, TKind::SoundIcon);
    } else if (line == "STOP") {
        if (speaking_) {
            session_->Stop();
            DropAudio();
            Finish("703 STOP");
        }
    } else if (line == "PAUSE") {
        // Speech goes on to the next mark of the server's own, where it can be resumed.
        pauseRequested_ = speaking_;
    } else if (line == "SET") {
        Settings(in, "203 OK RECEIVING SETTINGS", "203 OK SETTINGS RECEIVED",
                 [this](const std::string& n, const std::string& v) { return SetParameter(n, v); });
    } else if (line == "AUDIO") {
        Settings(in, "207 OK RECEIVING AUDIO SETTINGS", "203 OK AUDIO INITIALIZED",
                 [this](const std::string& n, const std::string& v) { return SetAudio(n, v); });
    } else if (line == "LOGLEVEL") {
        Settings(in, "207 OK RECEIVING LOGLEVEL SETTINGS", "203 OK LOGLEVEL SET",
                 [this](const std::string& n, const std::string& v) {
                     if (n == "log_level") {
                         log_.SetLevel(SaturatedInt(v).value_or(0));
                     }
                     return std::string();
                 });
    } else if (StartsWith(line, "LIST VOICES")) {
        ListVoices(line);
    } else if (StartsWith(line, "DEBUG")) {
        Debug(line);
    } else if (line == "QUIT") {
        if (speaking_) {
            session_->Stop();
            speaking_ = false;
        }
        out_.Line("210 OK QUIT");
        out_.Flush();
        return false;
    } else {
        out_.Line("300 ERR UNKNOWN COMMAND");
    }
    return true;
}

void TModule::Settings(TLineInput& in, const std::string& ack, const char* done,
                       const TSetter& set) {
    out_.Line(ack);
    out_.Flush();
    const auto body = ReadBody(in);
    if (!body) {
        return;
    }
    std::string error;
    for (const std::string& line : *body) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == line.size()) {
            error = "302 ERROR BAD SYNTAX";
        } else if (std::string e = set(line.substr(0, eq), line.substr(eq + 1)); !e.empty()) {
            error = e;
        }
    }
    out_.Line(error.empty() ? done : error);
}

std::string TModule::SetParameter(const std::string& name, const std::string& value) {
    if ((name == "rate" || name == "pitch" || name == "volume" || name == "pitch_range") &&
        !SaturatedInt(value)) {
        return "303 ERROR INVALID PARAMETER OR VALUE";
    }
    params_[name] = value;
    return {};
}

std::string TModule::SetAudio(const std::string& name, const std::string& value) {
    if (name == "audio_output_method" && value != "server") {
        out_.Line(
            "300-Vokadlo sends its sound through the server (audio_output_method server), not " +
            value);
        return "300 MODULE ERROR";
    }
    return {};
}

void TModule::ListVoices(const std::string& line) {
    std::istringstream words(line);
    std::string list, voices, language;
    words >> list >> voices >> language;
    const std::string wanted = Lower(language.substr(0, language.find_first_of("-_")));
    if (!wanted.empty() && wanted != kLanguage) {
        out_.Line("304 CANT LIST VOICES");
        return;
    }
    for (const TModuleVoice& v : kModuleVoices) {
        out_.Line(std::string("200-") + v.name + "\t" + kLanguage + "\tnone");
    }
    out_.Line("200 OK VOICE LIST SENT");
}

void TModule::Debug(const std::string& line) {
    std::istringstream words(line);
    std::string debug, on, file;
    words >> debug >> on >> file;
    if (on == "ON" && !file.empty()) {
        if (log_.DebugTo(file)) {
            out_.Line("200 OK DEBUGGING ON");
        } else {
            out_.Line("303 CANT OPEN CUSTOM DEBUG FILE");
        }
    } else if (on == "OFF") {
        log_.DebugOff();
        out_.Line("200 OK DEBUGGING OFF");
    } else {
        out_.Line("302 ERROR BAD SYNTAX");
    }
}

std::string TModule::Param(const std::string& name) const {
    const auto found = params_.find(name);
    return found == params_.end() || found->second == "NULL" ? std::string() : found->second;
}

int TModule::IntParam(const std::string& name) const {
    return SaturatedInt(Param(name)).value_or(0);
}

TTextOptions TModule::TextOptions() const {
    TTextOptions o;
    const std::string punctuation = Param("punctuation_mode");
    o.punctuation = punctuation == "all"    ? TPunctuation::All
                    : punctuation == "most" ? TPunctuation::Most
                    : punctuation == "some" ? TPunctuation::Some
                                            : TPunctuation::None;
    o.spelling = Param("spelling_mode") == "on";
    const std::string capitals = Param("cap_let_recogn");
    o.capitals = capitals == "spell"  ? TCapitals::Spell
                 : capitals == "icon" ? TCapitals::Icon
                                      : TCapitals::None;
    return o;
}

void TModule::ApplySettings(std::optional<std::int32_t> chosen) {
    const std::int32_t voice =
        chosen.value_or(ChooseVoice(config_, Param("synthesis_voice"), Param("voice")));
    if (voice != voice_) {
        session_->SetVoice(voice);
        voice_ = voice;
        log_.Write(3, std::string("voice ") + VoiceFor(voice).name);
    }
    // The stored settings first (when they changed), then Speech Dispatcher's over them.
    session_->ReadStoredSettings();
    const double speed = SpeedPercentForRate(IntParam("rate"));
    const std::int32_t pitch = PitchShiftForPitch(IntParam("pitch"), VoiceFor(voice).pitchShift);
    const auto volume = OutputVolumeForVolume(Param("volume").empty() ? 100 : IntParam("volume"));
    session_->SetSpeedPercent(speed);
    session_->SetPitch(pitch);
    session_->SetVolume(volume.value_or(kFullVolume));
    speedPercent_ = speed;
    outputVolume_ = volume.value_or(kFullVolume);
    silent_ = !volume;
    char line[160];
    std::snprintf(line, sizeof line, "voice %s, speed %.1f %%, pitch shift %d, output volume %s",
                  VoiceFor(voice).name, speed, pitch,
                  volume ? std::to_string(*volume).c_str() : "silent");
    log_.Write(4, line);
}

void TModule::Speak(TLineInput& in, TKind kind) {
    if (speaking_) {  // the server waits for the end of a message before the next one
        session_->Stop();
        DropAudio();
        Finish("703 STOP");
    }
    out_.Line("202 OK RECEIVING MESSAGE");
    out_.Flush();
    const auto body = ReadBody(in);
    if (!body) {
        return;
    }
    std::string data;
    for (const std::string& line : *body) {
        data += (data.empty() ? "" : "\n") + line;
    }
    if (data.empty()) {
        out_.Line("301 ERROR CANT SPEAK");
        return;
    }
    if (kind != TKind::Text && body->size() > 1) {
        out_.Line("305 DATA MORE THAN ONE LINE");
        return;
    }
    received_ = TClock::now();
    beginSent_ = ended_ = failed_ = pauseRequested_ = pausedAtMark_ = false;
    DropAudio();
    samplesSent_ = 0;
    firstAudio_ = {};

    if (kind == TKind::SoundIcon) {  // the server plays the icon
        out_.Line("200 OK SPEAKING");
        out_.Line("701 BEGIN");
        out_.Line("706-" + data);
        out_.Line("706 ICON");
        out_.Line("702 END");
        return;
    }
    bool started = false;
    try {
        ApplySettings();
        const TTextOptions options = TextOptions();
        message_ = kind == TKind::Char  ? FromChar(data, options)
                   : kind == TKind::Key ? FromKey(data, options)
                                        : FromSsml(data, options, speedPercent_, outputVolume_);
        data = std::string();
        if (!message_.notice.empty()) {
            log_.Write(3, "SSML: " + message_.notice);
        }
        if (message_.voice && *message_.voice != voice_) {  // <voice> for this message
            ApplySettings(message_.voice);
        }
        log_.Write(5, "text: " + ShowMarks(message_));
        bigMessage_ = message_.text.size() > kBigText;
        session_->SetBreaks(message_.breaks);
        started = session_->Speak(message_.text, TTextEncoding::Utf8);
    } catch (const std::exception& e) {  // a voice that could not be built
        log_.Write(1, std::string("cannot speak: ") + e.what());
    }
    if (!started) {
        out_.Line("301 ERROR CANT SPEAK");
        return;
    }
    out_.Line("200 OK SPEAKING");
    speaking_ = true;
    if (!session_->Speaking()) {  // nothing to say
        Finish("702 END");
    }
}

int TModule::MsUntilStep() const {
    if (firstAudio_ == TClock::time_point{}) {
        return 0;
    }
    const long long aheadMs = samplesSent_ * 1000 / sampleRate_ - MsSince(firstAudio_);
    return aheadMs <= config_.audioAheadMs ? 0 : static_cast<int>(aheadMs - config_.audioAheadMs);
}

void TModule::Step() {
    if (!audio_.empty()) {  // the chunk's sound goes out no faster than it plays
        SendAudio(false);
        out_.Flush();
        return;
    }
    clock_.Advance(kStepInterval);
    if (pausedAtMark_) {
        session_->Stop();
        DropAudio();
        Finish("704 PAUSE");
    } else {
        SendAudio(false);
        if (audio_.empty() && ended_) {
            Finish("702 END");
        } else if (audio_.empty() && (failed_ || !session_->Speaking())) {
            Finish("703 STOP");
        }
    }
    out_.Flush();
}

void TModule::Begin() {
    if (beginSent_) {
        return;
    }
    beginSent_ = true;
    out_.Line("701 BEGIN");
    log_.Write(4, "begin, " + std::to_string(MsSince(received_)) + " ms after the message came");
    if (message_.capitalIcon) {
        out_.Line("706-capital");
        out_.Line("706 ICON");
    }
}

void TModule::SendAudio(bool all) {
    if (audio_.empty()) {
        return;
    }
    if (firstAudio_ == TClock::time_point{}) {
        firstAudio_ = TClock::now();
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(audio_.data());
    while (audioSent_ < audio_.size() && (all || MsUntilStep() == 0)) {
        const std::size_t n = std::min(kAudioPiece, audio_.size() - audioSent_);
        out_.Audio(bytes + audioSent_, n, sampleRate_);
        audioSent_ += n;
        samplesSent_ += static_cast<std::int64_t>(n / 2);
    }
    if (audioSent_ == audio_.size()) {
        DropAudio();
    }
}

void TModule::DropAudio() {
    // A long chunk's buffer is given back, not kept for the next one.
    constexpr std::size_t kKeptBytes = 1 << 20;
    audio_.clear();
    if (audio_.capacity() > kKeptBytes) {
        audio_.shrink_to_fit();
    }
    audioSent_ = 0;
}

void TModule::Finish(const char* event) {
    Begin();  // every end of a message follows its begin
    out_.Line(event);
    speaking_ = false;
    if (bigMessage_) {
        // A long message's text, marks and sound are given back with it, and so is the heap's
        // free memory, which the C library would otherwise keep.
        message_ = TEngineText{};
        DropAudio();
        session_->ReleaseMemory();
        malloc_trim(0);
        bigMessage_ = false;
    }
    log_.Write(4, std::string(event).substr(4) + ", " +
                      std::to_string(samplesSent_ * 1000 / sampleRate_) + " ms of sound");
}

void TModule::OnChunk(const TChunkStart& chunk) {
    SendAudio(true);  // the chunk before, if it is still here
    Begin();
    const TMemoryStream& image = chunk.image;
    if (const auto wav = ReadWavData(image.data(), image.size())) {
        sampleRate_ = static_cast<int>(wav->sampleRate);
    }
    if (image.size() > kSamplesStart) {
        const std::size_t bytes = (image.size() - kSamplesStart) & ~std::size_t{1};
        audio_.assign(reinterpret_cast<const char*>(image.data()) + kSamplesStart, bytes);
        if (silent_) {
            std::fill(audio_.begin(), audio_.end(), '\0');
        }
        bigMessage_ = bigMessage_ || bytes > kBigBytes;
    }
    log_.Write(5, "chunk " + std::to_string(chunk.index) + ": " + Cp1250ToUtf8(chunk.display));
}

void TModule::OnMark(std::int32_t mark) {
    if (pausedAtMark_ || mark < 1 || static_cast<std::size_t>(mark) > message_.marks.size()) {
        return;
    }
    const std::string name = OneLine(message_.marks[static_cast<std::size_t>(mark) - 1]);
    const bool pausing = pauseRequested_ && StartsWith(name, "__spd_");
    if (pausing) {
        // The server pauses its playback at this mark only if its player has not taken the
        // mark before the server marks the pause (it queues the mark first), and its player takes
        // at once what arrives when its queue has drained, which happens when its sound output
        // holds more than the module runs ahead. A second of silence before the mark, more than
        // a sound output holds, keeps the player busy meanwhile. Nothing of it is heard: speech
        // stops at the mark.
        constexpr int kPadMs = 1000;
        const std::string silence(static_cast<std::size_t>(sampleRate_ * kPadMs / 1000) * 2, '\0');
        out_.Audio(reinterpret_cast<const std::uint8_t*>(silence.data()), silence.size(),
                   sampleRate_);
    }
    out_.Line("700-" + name);
    out_.Line("700 INDEX MARK");
    log_.Write(4, "mark " + name);
    pausedAtMark_ = pausing;
}

}  // namespace vokadlo::speechd
