// The synthesizer behind the C interface: the host session on its virtual clock, rendering
// silently, with the options a caller set and the callbacks of the text being spoken.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capi/CHeader.h"
#include "engine/EngineSession.h"

namespace vokadlo::capi {

// How a call ended.
struct TOutcome {
    int code = VOKADLO_OK;
    std::string message;
};

class TSynthesizer {
  public:
    // Builds the engine with a fresh program's settings and the settings store. Throws when
    // another session exists or the engine cannot be built.
    TSynthesizer();
    ~TSynthesizer();
    TSynthesizer(const TSynthesizer&) = delete;
    TSynthesizer& operator=(const TSynthesizer&) = delete;

    // Throws EOptionError for a name or value refused; the settings are then unchanged.
    void SetOption(const std::string& name, const std::string& value);

    // Speaks a UTF-8 text into the callbacks, in stream order.
    TOutcome Synthesize(const std::string& utf8, vokadlo_audio_fn onAudio, vokadlo_event_fn onEvent,
                        void* user);

    // True while a text is being spoken (the callbacks may not call back in).
    bool Busy() const { return call_ != nullptr; }

  private:
    class TNotice;
    struct TCall;

    // Rebuilds the engine for the voice (or the text's own) and configuration folder set, then
    // applies every other option over what the settings store gave.
    void Rebuild(std::optional<std::int32_t> voiceOfText = std::nullopt);
    // The text to speak for an SSML document; sets up its marks, breaks and voice.
    std::string ReadDocument(const std::string& document, bool& voiceChanged);
    const std::string* Value(const std::string& name) const;

    void OnChunk(const TChunkStart& chunk);
    void OnMark(std::int32_t mark);
    void OnEnd();
    void OnError(const std::string& message);
    // Delivers the samples of the chunk that started; false when the caller stopped.
    bool Flush();
    bool Emit(int type, const char* mark, const char* text);

    std::unique_ptr<TNotice> notice_;
    std::unique_ptr<TEngineSession> session_;
    std::map<std::string, std::string> values_;  // the options set, by name
    TCall* call_ = nullptr;                      // the text being spoken
};

}  // namespace vokadlo::capi
