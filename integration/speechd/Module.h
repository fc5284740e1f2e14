// The output module: Speech Dispatcher's module protocol on standard input and output, over one
// engine session for the module's whole life.
//
// The session runs on a virtual clock: the module advances it one step of the say cycle at a
// time, so that each step plays (reports) at most one chunk, whose samples go to the server as
// an AUDIO event. Between steps it looks at its input, so a STOP is answered within one step;
// and it keeps at most VokadloAudioAhead of sound ahead of the wall clock, so that the server
// never holds much that a STOP would have to discard.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "engine/EngineSession.h"
#include "integration/speechd/MessageText.h"
#include "integration/speechd/ProtocolIo.h"
#include "integration/speechd/VoiceSettings.h"
#include "platform/VirtualClock.h"

namespace vokadlo::speechd {

// The module's log on standard error (the server puts it in the module's log file), with the
// server's log levels: 1 errors, 3 start-up and voices, 4 every message's events, 5 also the
// texts.
class TLog {
  public:
    void SetLevel(int level) { level_ = level; }
    int Level() const { return debug_ ? 5 : level_; }
    // Also writes everything into `path` (DEBUG ON); false when it cannot be opened.
    bool DebugTo(const std::string& path);
    void DebugOff();
    void Write(int level, const std::string& message);
    ~TLog() { DebugOff(); }

  private:
    int level_ = 3;
    std::FILE* debug_ = nullptr;
};

class TModule {
  public:
    // Builds the engine; throws when it cannot be built.
    TModule(TModuleConfig config, TLog& log, TReplies& out);
    ~TModule();
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;

    // Serves commands until QUIT (returns 0) or the end of the input (returns 2).
    int Serve(TLineInput& in);

  private:
    enum class TKind { Text, Char, Key, SoundIcon };

    bool Command(const std::string& line, TLineInput& in);  // false after QUIT
    void Speak(TLineInput& in, TKind kind);
    // name, value -> an error reply, or empty.
    using TSetter = std::function<std::string(const std::string&, const std::string&)>;
    // A command with name=value lines up to "." (SET, AUDIO, LOGLEVEL).
    void Settings(TLineInput& in, const std::string& ack, const char* done, const TSetter& set);
    std::string SetParameter(const std::string& name, const std::string& value);
    std::string SetAudio(const std::string& name, const std::string& value);
    void ListVoices(const std::string& line);
    void Debug(const std::string& line);
    // The voice (the client's, or `voice` when given), then the stored settings, then the
    // client's rate, pitch and volume over them: a new voice's engine reads the store afresh.
    void ApplySettings(std::optional<std::int32_t> voice = std::nullopt);
    TTextOptions TextOptions() const;
    std::string Param(const std::string& name) const;  // "" for unset and NULL
    int IntParam(const std::string& name) const;

    // One step of the say cycle, then what it reported goes out.
    void Step();
    // Milliseconds until the next step may run, to stay within the audio ahead.
    int MsUntilStep() const;
    void Begin();
    // Sends the chunk's sound not yet sent: all of it, or only while the module is within its
    // audio ahead.
    void SendAudio(bool all);
    void DropAudio();
    void Finish(const char* event);  // the message's last event: "702 END", "703 STOP" ...

    // Session events.
    void OnChunk(const TChunkStart& chunk);
    void OnMark(std::int32_t mark);

    TModuleConfig config_;
    TLog& log_;
    TReplies& out_;
    TVirtualClock clock_;
    std::unique_ptr<TEngineSession> session_;
    std::int32_t voice_;
    std::map<std::string, std::string> params_;

    // The message being spoken.
    bool speaking_ = false;
    TEngineText message_;
    bool beginSent_ = false;
    bool ended_ = false;
    bool failed_ = false;
    bool pauseRequested_ = false;
    bool pausedAtMark_ = false;
    bool silent_ = false;          // volume -100
    bool bigMessage_ = false;      // its text or a chunk's sound is large
    std::string audio_;            // samples of the chunk that started last
    std::size_t audioSent_ = 0;    // bytes of audio_ already sent
    double speedPercent_ = 100.0;  // the message's tempo and volume, as the engine has them
    std::int32_t outputVolume_ = 63750;
    int sampleRate_ = 22050;
    std::int64_t samplesSent_ = 0;
    std::chrono::steady_clock::time_point firstAudio_{};
    std::chrono::steady_clock::time_point received_{};
};

}  // namespace vokadlo::speechd
