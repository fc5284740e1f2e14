// The host session: the one way a program (the command line, the window, the Speech Dispatcher
// module) reaches the engine.
//
// A session owns the Linux services of its host (sound player, timers, notice, settings store,
// voice), installs them, builds the engine through the procedural calls and, when it goes,
// stops the sound and finalises the engine before any service is destroyed. It reports, at play
// time and on the host's thread, each chunk that starts, its bookmarks, the end marker, the end
// of the text and errors. Everything runs on the host's one thread; at most one session exists
// at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "core/ResourceStore.h"
#include "platform/Notice.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "platform/Timers.h"
#include "reading/Reading.h"

namespace vokadlo {

class TTextPlaces;

// How a host's text is encoded at the session's edge.
enum class TTextEncoding { Cp1250, Utf8 };

// A chunk that has just started playing.
struct TChunkStart {
    const std::string& display;  // its display text (code page 1250, backslash tags removed)
    const TMemoryStream& image;  // its WAV image; the engine's, valid during the event only
    std::uint8_t slot;           // 1 or 2
    std::int32_t index;          // 1-based count of chunks started since the last Speak
    // Where the chunk's words stand in the text given to Speak or SpeakWord: a byte offset and
    // length in that text, as given (its encoding); -1 when unknown.
    std::ptrdiff_t textOffset = -1;
    std::ptrdiff_t textLength = -1;
};

// Play-time events. Any may be empty. They arrive on the host's thread from the timers (or
// from SpeakWord, whose chunk starts at once); an exception a handler throws halts the speech
// and comes back as an Error event.
struct TSessionEvents {
    std::function<void(const TChunkStart&)> ChunkStarted;
    // Each "mrk" value of the chunk that starts playing, in text order, after its ChunkStarted.
    std::function<void(std::int32_t mark)> Bookmark;
    std::function<void()> EndMarker;  // the end-marker report, just before End
    std::function<void()> End;        // the last sound of the text has finished
    // A text that could not be spoken: a failed preparation or step. Speech has stopped. A tag
    // value that cannot be read comes as `bad value "-" in tag \ton=-\ at character 11` (UTF-8),
    // the tag as the text has it and the character its opening delimiter is, counted from 1 in
    // the text of the Speak or SpeakWord call (without the place when the text does not hold the
    // tag, which the dictionary then made).
    std::function<void(const std::string& message)> Error;
    // At preparation time, for tracing: the record as the prosody left it, the rendered image,
    // the slot and the display text.
    TChunkObserver ChunkRendered;
};

struct TSessionConfig {
    enum class TOutput {
        SoundCard,  // the default sound device through PortAudio
        Silent,     // every image accepted at once, nothing played: rendering to files
    };
    TOutput output = TOutput::SoundCard;
    std::int32_t voice = 1;  // 1 "VEMIRa", 2 "VEMIRuska", 3 "VEMIR"
    // Build the engine now and read the settings store once, so that the host's settings set
    // afterwards win over the stored ones (the command line, the module). When false the first
    // procedural call builds it, as the window's design has it.
    bool buildEngine = true;
    bool enableSpeech = true;  // open the SpeechEnabled gate

    // Services the host brings instead of the session's own; null means the session's own:
    // timers on the session's event loop (sound card) or on a virtual clock (silent), notices
    // on standard error, the store file of the configuration folder, the built-in voice.
    ITimerFactory* timers = nullptr;
    ISoundPlayer* player = nullptr;
    INotice* notice = nullptr;
    const IResourceStore* resources = nullptr;
    std::function<std::unique_ptr<ISettingsStore>()> settingsStore;
    std::string programName = "vokadlo";  // prefix of notices on standard error
};

class TEngineSession {
  public:
    explicit TEngineSession(TSessionConfig config = {}, TSessionEvents events = {});
    // Stops the sound, then finalises the engine, then frees the services.
    ~TEngineSession();
    TEngineSession(const TEngineSession&) = delete;
    TEngineSession& operator=(const TEngineSession&) = delete;

    TSessionEvents& Events() { return events_; }

    // False when the session was to play on the sound card and none could be opened; speech
    // then goes nowhere (the images are accepted and dropped) and SoundProblem says why.
    bool HasSound() const { return soundProblem_.empty(); }
    const std::string& SoundProblem() const { return soundProblem_; }

    // Speaks a text word by word (Say); a blank text stops speech. Returns false, after an
    // Error event, when the text could not be started.
    bool Speak(std::string_view text, TTextEncoding encoding = TTextEncoding::Cp1250);
    // Speaks a text as one chunk that starts at once (SayWord).
    bool SpeakWord(std::string_view text, TTextEncoding encoding = TTextEncoding::Cp1250);
    // Cuts off the sound and forgets the rest of the text; no further event of it arrives.
    void Stop();
    // True from Speak until the End event (or an error, or Stop).
    bool Speaking() const;
    // Gives back the memory a long text left in the engine's buffers, which only grow while it
    // speaks, by building the engine afresh (for the same voice, with the same settings); does
    // nothing while speaking.
    void ReleaseMemory();
    // Bytes of the current text not yet cut into chunks.
    std::size_t PendingBytes() const;
    // Bytes of the current text as the engine got it (after the reading stage).
    std::size_t EngineTextBytes() const { return spokenText_.size(); }
    // The code page 1250 text Speak would give the engine for `text` (after the reading mode and
    // the plain-text setting); speaks nothing.
    std::string TextForEngine(std::string_view text,
                              TTextEncoding encoding = TTextEncoding::Cp1250);

    // How the texts of Speak and SpeakWord reach the engine: as given (Design, the default) or
    // read as a Czech speaker reads them first (Czech: numbers, units, dates, abbreviations,
    // addresses, other scripts). Takes effect from the next Speak.
    void SetReading(TReadingMode mode) { reading_ = mode; }
    TReadingMode Reading() const { return reading_; }

    // Bookmarks of the text that stand for silence (SSML's <break>): bookmark number ->
    // milliseconds. A chunk whose units hold such bookmarks starts with that much silence (at
    // most 10 s) in its image, as every output and ChunkStarted get it; they are not reported as
    // Bookmark events. They hold for the texts spoken until the next call; none by default.
    void SetBreaks(std::map<std::int32_t, std::int32_t> msByMark);

    // When on, no inline tag of a host's text acts: every "\" and "{" becomes a space.
    void SetPlainText(bool on) { plainText_ = on; }
    bool PlainText() const { return plainText_; }

    // Settings, as the design's hosts set them. Each takes effect from the next chunk prepared.
    void SetVoice(std::int32_t voice);        // 1..3: rebuilds the engine for that voice
    void SetSpeedPercent(double percent);     // duration scale, 100 = recorded tempo
    void SetPitch(std::int32_t steps);        // PitchShift, resampling steps
    void SetVolume(std::int32_t volume);      // OutputVolume 0..63750, 0 = no scaling
    void SetAmplitude(std::int32_t percent);  // linear gain, 100 = as recorded, 0 = silent
    void SetEcho(std::int32_t tracks, std::int32_t delaySamples, std::int32_t volume);
    void SetIntonation(bool on, bool linear);
    void SetPauses(std::int32_t wordSpaceMs, std::int32_t periodPauseMs);
    void SetRandomSpread(std::int32_t divisor);  // RandomLength 1..50
    void SetSamplesFromDisk(bool fromDisk, const std::string& folder);
    // How many of the voice's 34 recordings the folder of SetSamplesFromDisk holds in a usable
    // form (found whatever the case of their names).
    std::int32_t DiskRecordingCount() const;
    void SetSeed(std::uint32_t seed);  // reproducible prosody

    // Reads the settings store now (its change flag permitting), as at a new text.
    void ReadStoredSettings();
    // Why the last reading of the store stopped before its end ("Name: message"), or empty.
    std::string StoredSettingsProblem() const;

    // Runs the session's own timers until speech has ended or `interrupted` holds; on the
    // virtual clock as fast as the chunks can be computed. Not for hosts that bring timers.
    void RunUntilIdle(const std::function<bool()>& interrupted = {});

  private:
    class TGuardedTimers;
    struct TServices;

    void InstallEngine();
    // Installs the session's callback (building the engine when there is none yet).
    void InstallCallback();
    bool Begin(std::string_view text, TTextEncoding encoding, bool wordMode);
    void OnCallback(const std::string& text, const TMemoryStream* stream);
    void ReportError(const std::string& message);
    std::string WithTagPlace(const std::string& message);
    std::optional<std::size_t> TagPlace(const std::string& tag) const;
    // The engine's text for a host's text; sets `places` (when given) to where it came from.
    std::string ForEngine(std::string_view text, TTextEncoding encoding, TTextPlaces* places) const;
    // The chunk that has just started, as a place in the host's text (the engine has cut it off
    // the pending text, and not yet the next one).
    std::pair<std::ptrdiff_t, std::ptrdiff_t> StartedChunkPlace();

    TSessionConfig config_;
    TSessionEvents events_;
    std::unique_ptr<TServices> services_;
    std::unique_ptr<TGuardedTimers> guardedTimers_;
    std::string soundProblem_;
    bool plainText_ = false;
    TReadingMode reading_ = TReadingMode::Design;
    std::int32_t chunkIndex_ = 0;
    std::string spokenText_;  // the current text as the engine got it, for the place of errors
    std::unique_ptr<TTextPlaces> places_;  // where spokenText_ came from in the host's text
    std::size_t chunkEnd_ = 0;             // the end in spokenText_ of the last chunk started
    bool wordMode_ = false;
};

}  // namespace vokadlo
