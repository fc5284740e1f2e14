#include "cli/SayOptions.h"

#include <CLI/CLI.hpp>

#include "core/EngineSettings.h"
#include "engine/EngineSession.h"
#include "platform/ConfigDir.h"

namespace vokadlo::cli {
namespace {

const char* const kDescription = R"(NAME
    vokadlo-say - speak Czech text

SYNOPSIS
    vokadlo-say [options] [TEXT...]
    vokadlo-say [options] -f FILE
    ... | vokadlo-say [options]

DESCRIPTION
    Speaks Czech text aloud, word by word, with the built-in voice. The text comes from the
    arguments, from a file (-f) or from standard input. With -w it writes the speech to a WAV
    file instead, as fast as it can be computed.

    Inline tags change the voice as the text goes: \ton=N\ (note -12..12), \spd=N\ (tempo
    1..256, 156 = normal), \vol=N\ (0..63750), \mrk=N\ (bookmark), also written {ton=N}.)";

const char* const kFooter = R"(FILES
    ~/.config/vokadlo/vokadlo.dct   user pronunciation dictionary, one row key=value
    ~/.config/vokadlo/settings.reg  voice settings written by vokadlo-settings
    The folder is --config-dir, else $VOKADLO_CONFIG_DIR, else $XDG_CONFIG_HOME/vokadlo.

EXIT STATUS
    0 spoken, 1 speech failed or no sound device, 2 bad options, unreadable file or text.

EXAMPLES
    vokadlo-say "Dobrý den"
    echo "Mám 25 Kč." | vokadlo-say -w out.wav
    vokadlo-say --seed 1 --trace trace.jsonl -w out.wav -f kniha.txt)";

bool OnOff(const std::string& value) {
    return value == "on";
}

}  // namespace

TParseOutcome ParseSayOptions(int argc, const char* const* argv, TSayOptions& o) {
    CLI::App app;
    app.name("vokadlo-say");
    app.description(kDescription);
    app.footer(kFooter);
    app.get_formatter()->column_width(34);

    std::string intonation;
    std::string linear;
    std::string separator;
    app.add_option("TEXT", o.words, "Text to speak (default: standard input)");
    app.add_option("-f,--file", o.file, "Read the text from FILE")->check(CLI::ExistingFile);
    app.add_option("--encoding", o.encoding, "Input encoding: utf-8, cp1250 or auto (default)")
        ->check(CLI::IsMember({"utf-8", "cp1250", "auto"}));
    app.add_flag("--verbose", o.verbose, "Print each chunk's text as it starts");
    app.add_option("-w,--wav", o.wavOut, "Write the speech to a WAV FILE (- for standard output)");
    app.add_option("--dump-images", o.dumpDir, "Write each chunk image to DIR/0001.wav, ...");
    app.add_option("--trace", o.traceOut, "Write one JSON line per rendered chunk to FILE");
    app.add_option("--seed", o.seed, "Fixed seed of the random prosody (reproducible output)");
    app.add_flag("--word-mode", o.wordMode, "Say the text as one chunk that starts at once");
    app.add_option("--voice", o.voice, "Voice 1, 2 or 3")->check(CLI::Range(1, 3));
    app.add_option("--speed", o.speed, "Duration scale in percent (100 = recorded tempo)")
        ->check(CLI::Range(1.0, 1000.0));
    app.add_option("--pitch", o.pitch, "Pitch shift in resampling steps (-100..100)")
        ->check(CLI::Range(-100, 100));
    app.add_option("--volume", o.volume, "Volume 0..63750 (0 switches volume scaling off)")
        ->check(CLI::Range(0, 63750));
    app.add_option("--echo-tracks", o.echoTracks, "Echo taps 0..10")->check(CLI::Range(0, 10));
    app.add_option("--echo-delay", o.echoDelay, "Echo delay in samples 0..20000")
        ->check(CLI::Range(0, 20000));
    app.add_option("--echo-volume", o.echoVolume, "Echo level 0..100")->check(CLI::Range(0, 100));
    app.add_option("--intonation", intonation, "Sentence intonation on|off")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_option("--linear", linear, "Gliding intonation on|off")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_option("--random-length", o.randomLength, "Divisor of the random spread 1..50")
        ->check(CLI::Range(1, 50));
    app.add_option("--word-space", o.wordSpace, "Length of a space in ms 0..300")
        ->check(CLI::Range(0, 300));
    app.add_option("--period-pause", o.periodPause, "Pause before a full stop in ms 0..650")
        ->check(CLI::Range(0, 650));
    app.add_option("--samples-from-disk", o.samplesDir, "Read the recordings from DIR/<code>.wav")
        ->check(CLI::ExistingDirectory);
    app.add_option("--config-dir", o.configDir, "Folder of the dictionary and settings files");
    app.add_option("--decimal-separator", separator, "Decimal separator of numbers (one character)")
        ->check([](const std::string& s) {
            return s.size() == 1 ? std::string() : std::string("must be one character");
        });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {TParseOutcome::TKind::Help, app.help()};
    } catch (const CLI::ParseError& e) {
        return {TParseOutcome::TKind::Error, e.what()};
    }
    if (!o.file.empty() && !o.words.empty()) {
        return {TParseOutcome::TKind::Error,
                "give the text either as arguments or with -f, not both"};
    }
    if (!intonation.empty()) {
        o.intonation = OnOff(intonation);
    }
    if (!linear.empty()) {
        o.linear = OnOff(linear);
    }
    if (!separator.empty()) {
        o.decimalSeparator = separator[0];
    }
    return {};
}

void ApplySayOptions(const TSayOptions& o, TEngineSession& session) {
    const TEngineSettings& s = Settings;
    if (o.seed) {
        session.SetSeed(*o.seed);
    }
    if (o.speed) {
        session.SetSpeedPercent(*o.speed);
    }
    if (o.pitch) {
        session.SetPitch(*o.pitch);
    }
    if (o.volume) {
        session.SetVolume(*o.volume);
    }
    if (o.echoTracks || o.echoDelay || o.echoVolume) {
        session.SetEcho(o.echoTracks.value_or(s.EchoTracks), o.echoDelay.value_or(s.EchoDelay),
                        o.echoVolume.value_or(s.EchoVolume));
    }
    if (o.intonation || o.linear) {
        session.SetIntonation(o.intonation.value_or(s.IntonationOn),
                              o.linear.value_or(s.IntonationLinear));
    }
    if (o.randomLength) {
        session.SetRandomSpread(*o.randomLength);
    }
    if (o.wordSpace || o.periodPause) {
        session.SetPauses(o.wordSpace.value_or(s.WordSpaceLength),
                          o.periodPause.value_or(s.PeriodPauseLength));
    }
    if (o.decimalSeparator) {
        Settings.DecimalSeparator = *o.decimalSeparator;
    }
    if (!o.samplesDir.empty()) {
        session.SetSamplesFromDisk(true, o.samplesDir);
    }
}

}  // namespace vokadlo::cli
