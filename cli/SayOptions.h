// The options of vokadlo-say and how they become engine settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vokadlo {
class TEngineSession;
}

namespace vokadlo::cli {

struct TSayOptions {
    std::vector<std::string> words;  // TEXT... (joined by spaces)
    std::string file;                // -f
    std::string encoding = "auto";   // utf-8 | cp1250 | auto
    bool verbose = false;
    std::string wavOut;    // -w FILE, "-" for standard output
    std::string dumpDir;   // --dump-images
    std::string traceOut;  // --trace
    std::optional<std::uint32_t> seed;
    bool wordMode = false;
    bool plain = false;             // --plain: inline tags do not act
    bool ssml = false;              // --ssml, -m: the text is an SSML document
    bool lines = false;             // --line: speak standard input line by line
    std::string reading = "czech";  // --reading design|czech
    bool printReading = false;      // --print-reading: print the engine's text, speak nothing
    bool listVoices = false;
    int voice = 1;
    std::optional<double> wordsPerMinute;
    std::optional<int> amplitude;  // -a, percent 0..200
    std::optional<double> speed;   // percent
    std::optional<int> pitch;
    std::optional<int> volume;
    std::optional<int> echoTracks;
    std::optional<int> echoDelay;
    std::optional<int> echoVolume;
    std::optional<bool> intonation;
    std::optional<bool> linear;
    std::optional<int> randomLength;
    std::optional<int> wordSpace;
    std::optional<int> periodPause;
    std::string samplesDir;
    std::string configDir;
    std::optional<char> decimalSeparator;
};

// What parsing the command line decided.
struct TParseOutcome {
    enum class TKind { Run, Help, Error } kind = TKind::Run;  // Help: print `message`, exit 0
    std::string message;  // the help page, or the one-line error
};

TParseOutcome ParseSayOptions(int argc, const char* const* argv, TSayOptions& options);

// The tempo (--speed, a duration scale in percent) that speaks about `wpm` words a minute.
double SpeedForWordsPerMinute(double wpm);

// Hands the options given to the session's settings; the others keep their values.
void ApplySayOptions(const TSayOptions& options, TEngineSession& session);

}  // namespace vokadlo::cli
