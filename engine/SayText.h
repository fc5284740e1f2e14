// The engine object: everything needed to turn text into sound.
//
// One instance exists (`SayTextInstance`, reached through the calls of engine/OrvTts.h). It owns
// its chunk records, WAV images, timers, pronunciation lists, echo state, synthesis buffers and
// settings-store handle. Everything runs on the program's one thread.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "core/SharedText.h"
#include "platform/Platform.h"
#include "synthesis/Echo.h"
#include "synthesis/RenderBuffers.h"

namespace vokadlo {

// The engine's only notification: (a chunk's display text, its WAV image) when a chunk starts
// playing, ("{kOnEc}", none) and then (empty, none) when the last sound has finished. The image
// stays the engine's; the host must not keep it.
using TSayCallback = std::function<void(const std::string& text, const TMemoryStream* stream)>;

// The literal that marks a fully cut text in `PendingText`.
inline constexpr const char* kEndMarker = "{kOnEc}";

inline constexpr int kStepInterval = 100;  // ms between steps of the say cycle
inline constexpr int kEndInterval = 250;   // ms between probes for the end of the last sound

class TSayText {
  public:
    // Builds the engine for voice 1 "VEMIRa", 2 "VEMIRuska" or 3 "VEMIR" (others: voice 1),
    // with the services installed by SetPlatform. Shows "Chyba při inicializaci" when the WAV
    // templates cannot be built, and is usable (silent) even then.
    explicit TSayText(std::int32_t voice = 1);
    // Stops the player before the images are freed.
    ~TSayText();
    TSayText(const TSayText&) = delete;
    TSayText& operator=(const TSayText&) = delete;

    // Say cycle (engine/SayCycle.cpp).
    void Speak(const std::string& text);
    void SpeakStep();
    void WatchEnd();

    // Cuts the next chunk off `PendingText` and renders it into the current slot
    // (engine/PrepareChunk.cpp).
    void PrepareChunk();

    // Reads the tags at `position` (1-based) of `text` into unit `unitIndex` (1-based) of the
    // current slot's record, advancing `position` past a consumed tag (engine/Tags.cpp).
    void ParseTag(const std::string& text, std::int32_t unitIndex, std::int32_t& position);

    // Invoked by the tag "rst"; does nothing.
    void Reset() {}

    // Reads the settings store when its change flag is raised (engine/SettingsReader.cpp).
    void ReadEngineSettings();

    // User dictionary and built-in pronunciation table (engine/Dictionary.cpp).
    void LoadUserDictionary();             // at construction: load, or create the file empty
    void ReloadUserDictionaryIfChanged();  // at a new text: reload when the file's age changed
    void BuildPronunciationTable();        // at construction: the built-in rows, lower-cased

    // Starts a fresh echo delay for every active tap.
    void ResetEcho();

    TSayWord& CurrentWord() { return Words[CurrentSlot - 1]; }
    TMemoryStream& CurrentStream() { return WaveStreams[CurrentSlot - 1]; }

    // Fields, in the design's order.
    std::unique_ptr<ITimer> StepTimer;            // 100 ms, runs SpeakStep; created disabled
    std::unique_ptr<ITimer> EndTimer;             // 250 ms, runs WatchEnd; created disabled
    std::vector<std::string> UserDictionary;      // rows key=value from the user's file
    std::vector<std::string> PronunciationTable;  // built-in rows key=value
    TMemoryStream HeaderTemplate;                 // 46 bytes from recording A; empty when absent
    TMemoryStream SilenceImage;                   // 48-byte near-silent image; empty when absent
    std::uint8_t CurrentSlot = 1;   // slot (1 or 2) the next chunk is prepared into and played from
    std::array<TSayWord, 3> Words;  // slots 1..3 at index 0..2; slot 3 is never used
    std::array<TMemoryStream, 3> WaveStreams;  // each slot's rendered WAV image
    TEchoState Echo;                           // EchoBuffers, EchoReadPos, EchoLength
    TSharedText PendingText;  // text not yet prepared, the end marker, or empty (idle)
    std::string ChunkText;    // display text of the chunk in the current slot
    bool ChunkReady = false;  // the current slot holds a prepared chunk
    bool WordMode = false;    // the text is one chunk that starts at once (SayWord)
    TSayCallback Callback;
    std::int32_t ProbeFlags =
        kPlayAsyncNoStop;             // flags of the silence probe: 21, or 5 in word mode
    std::int32_t CurrentTone = 0;     // note given to every new unit; tag "ton"
    std::int32_t SpeedPercent = 100;  // duration scale in percent; id 2; tag "spd"
    std::int32_t CurrentVolume = 0;   // volume given to every new unit; tag "vol"
    std::int32_t LastMark = -222;     // last bookmark of a "mrk" tag
    bool SentenceEnded = false;       // the previous chunk ended a sentence
    TRenderBuffers Render;            // PeriodBuffers, ScratchBuffer, WorkBuffer, period tables
    std::filesystem::path DictionaryFileName;  // the user dictionary file
    std::int32_t DictionaryFileAge = -1;       // its DOS date-time when last loaded; -1 = missing
    bool TextRestart = true;                   // the next preparation starts a new text
    bool SettingsLoaded = false;               // the settings store has been read at least once
    std::unique_ptr<ISettingsStore> SettingsStore;  // open on the engine's key
    // Where the last "\" of the pending text's buffer stands (npos: none), kept per buffer so
    // that spelling does not search the rest of a long text for every chunk.
    struct TBackslashCache {
        std::weak_ptr<std::string> buffer;
        std::size_t at = std::string::npos;
    };
    TBackslashCache PendingBackslash;
    // How far the pending text's buffer is lower-case already, kept per buffer so that a text
    // without spaces, a new text at every chunk, is not lower-cased again at every chunk.
    struct TLoweredMark {
        std::weak_ptr<std::string> buffer;
        std::size_t upTo = 0;
    };
    TLoweredMark PendingLowered;
    // Why the last reading of the store stopped early ("Name: message"); empty when it did not.
    std::string SettingsProblem;
    // The notice that the dictionaries grew a chunk past the rewrite limit has been given.
    bool RewriteLimitNoticed = false;
    // The notice that a chunk's image was cut at its size limit has been given.
    bool ChunkCutNoticed = false;
    // How many of Render.RefusedRecordings have been named in a notice.
    std::size_t RefusedRecordingsNoticed = 0;

    std::string VoiceName;         // "VEMIRa", "VEMIRuska" or "VEMIR"
    TChunkObserver ChunkObserver;  // empty unless a program traces its chunks

    // The services this engine was built with.
    ISoundPlayer& Player;
    const IResourceStore& Resources;
};

// The settings key of a voice, below the machine root of the settings store.
std::string SettingsKeyFor(const std::string& voiceName);

}  // namespace vokadlo
