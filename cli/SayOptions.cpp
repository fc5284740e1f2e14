#include "cli/SayOptions.h"

#include <strings.h>
#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "core/Tempo.h"
#include "engine/EngineSession.h"
#include "engine/Voices.h"
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
    1..256, 156 = normal), \vol=N\ (0..63750), \mrk=N\ (bookmark), also written {ton=N}.
    A value that is no number (\ton=-\) stops the speech with the tag and the character it
    starts at, counted from 1 in the text as given (with --line, in its line).

    The text is first read as a Czech speaker reads it (--reading czech, the default):
    numbers, money, units, dates, times, ordinals, abbreviations, e-mail and web addresses,
    other scripts and symbols become words ("Mám 25 Kč." is read "Mám dvacet pět korun.").
    --print-reading prints the words the engine gets and speaks nothing; --reading design
    gives the engine the text as written, for its own rules alone.)";

const char* const kFooter = R"(WAV OUTPUT
    -w FILE writes the file whole or not at all: into an unnamed temporary file, renamed
    over it at the end; a symbolic link is followed to its target. A character device or a
    FIFO, and -w - (standard output), get a stream instead: the header first, its RIFF and
    data sizes 0xFFFFFFFF (unknown), then each chunk as it is spoken, so that
    vokadlo-say -w - | aplay  starts at once. Standard output redirected to a file gets the
    sizes put right at the end. --trace FILE is written the same way. A folder is refused.

FILES
    ~/.config/vokadlo/vokadlo.dct   user pronunciation dictionary, one row key=value
    ~/.config/vokadlo/settings.reg  voice settings written by vokadlo-settings
    The folder is --config-dir, else $VOKADLO_CONFIG_DIR, else $XDG_CONFIG_HOME/vokadlo.

VOLUME AND PITCH
    --volume V scales the amplitude by (V / 63750) squared: 31875 gives a quarter; 0 leaves
    the volume unscaled, as 63750 does. -a A scales it linearly: 100 as recorded, 0 silent.
    --pitch C resamples every pitch period: with C > 1 one sample is inserted every C samples
    (2 is the lowest, a fifth down), with C < -1 one is removed every -C samples (-2 is the
    highest); -1, 0 and 1 change nothing and +-100 barely anything. Each voice starts at its
    own value (--list-voices); --voice-type offers the window's presets.

EXIT STATUS
    0 spoken; 1 speech failed, an output could not be written, or no sound device; 2 bad
    options, an unreadable file or text, an output that cannot be opened, two outputs on
    one file; 130 interrupted (SIGINT); 141 the reader of the WAV stream went away (SIGPIPE,
    as other tools end, without a message); 143 terminated (SIGTERM). A run that ends
    otherwise than with 0 writes no WAV or trace file (one there before stays as it was),
    except --line, which SIGINT or SIGTERM ends with the lines spoken kept; a stream keeps
    what it was sent, the dump folder the images already written.

EXAMPLES
    vokadlo-say "Dobrý den, jak se máte?"
    echo "Vlak přijede ve 14:35 na třetí kolej." | vokadlo-say -w out.wav
    vokadlo-say -s 160 -v VEMIR -f kniha.txt
    vokadlo-say --seed 1 --trace trace.jsonl -w out.wav -f kniha.txt)";

// The window's voice types: names without and with diacritics, and their pitch.
struct TVoiceType {
    const char* name;
    const char* czech;
    int pitch;
};
constexpr TVoiceType kVoiceTypes[] = {
    {"skritek", "skřítek", -3},  {"dite", "dítě", -6}, {"zena", "žena", -20},
    {"original", "originál", 0}, {"hoch", "hoch", 5},  {"chlap", "chlap", 2},
};

bool OnOff(const std::string& value) {
    return value == "on";
}

// "1".."3" or a voice's name in any case; 0 when neither.
int VoiceNumber(const std::string& value) {
    for (const TVoice& voice : kVoices) {
        if (value == std::to_string(voice.number) || ::strcasecmp(value.c_str(), voice.name) == 0) {
            return voice.number;
        }
    }
    return 0;
}

// The option's text as a number in min..max (a whole one when `whole`), or why it is none:
// "'abc' is not a number", "'nan' is not a finite number", "'5000' is outside 1..1000".
CLI::Validator NumberIn(double min, double max, bool whole) {
    const auto show = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        return std::string(text);
    };
    const std::string range = show(min) + ".." + show(max);
    return CLI::Validator(
        [=](const std::string& text) -> std::string {
            const char* end = text.data() + text.size();
            double value = 0;
            bool parsed = false;
            if (whole) {
                std::int64_t number = 0;
                parsed = std::from_chars(text.data(), end, number).ptr == end && !text.empty();
                value = static_cast<double>(number);
            } else {
                parsed = std::from_chars(text.data(), end, value).ptr == end && !text.empty();
            }
            if (!parsed) {
                return "'" + text + "' is not a" + (whole ? " whole" : "") + " number";
            }
            if (!std::isfinite(value)) {
                return "'" + text + "' is not a finite number";
            }
            if (value < min || value > max) {
                return "'" + text + "' is outside " + range;
            }
            return {};
        },
        range);
}

// The decimal separator: one character that code page 1250 has, given in UTF-8 (or as the
// code page's own byte); nullopt when it is none.
std::optional<char> SeparatorOf(const std::string& text) {
    if (text.size() == 1) {
        return text[0];
    }
    if (!IsValidUtf8(text)) {
        return std::nullopt;
    }
    const std::string converted = Utf8ToCp1250(text);
    if (converted.size() != 1 || Cp1250ToUtf8(converted) != text) {
        return std::nullopt;  // more than one character, or one the code page lacks
    }
    return converted[0];
}

// An option that names a file or folder: an empty name names none.
std::string NotEmpty(const std::string& text) {
    return text.empty() ? std::string("an empty name names no file or folder") : std::string();
}

std::optional<int> VoiceTypePitch(const std::string& value) {
    for (const TVoiceType& type : kVoiceTypes) {
        if (value == type.name || value == type.czech) {
            return type.pitch;
        }
    }
    return std::nullopt;
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
    std::string voice;
    std::string voiceType;
    bool toStdout = false;
    bool version = false;
    app.add_option("TEXT", o.words, "Text to speak (default: standard input)");
    app.add_option("-f,--file", o.file, "Read the text from FILE")->check(CLI::ExistingFile);
    app.add_option("--encoding", o.encoding, "Input encoding: utf-8, cp1250 or auto (default)")
        ->check(CLI::IsMember({"utf-8", "cp1250", "auto"}));
    app.add_flag("--verbose", o.verbose, "Print each chunk's text as it starts");
    app.add_option("-w,--wav", o.wavOut, "Write the speech to a WAV FILE (- for standard output)")
        ->check(NotEmpty);
    app.add_flag("--stdout", toStdout, "Write the WAV to standard output (as -w -)");
    app.add_flag("--version", version, "Print the version and exit");
    app.add_flag("--list-voices", o.listVoices, "List the voices: number, name, pitch, language");
    app.add_flag("--plain", o.plain, "Speak the text as written: inline tags do not act");
    app.add_flag("-m,--ssml", o.ssml, "The text is SSML (marks, breaks, prosody, say-as ...)");
    app.add_flag("--line", o.lines, "Speak standard input line by line, as each line arrives");
    app.add_option("--reading", o.reading,
                   "czech (default): read as a Czech speaker; design: as written")
        ->check(CLI::IsMember({"czech", "design"}));
    app.add_flag("--print-reading", o.printReading,
                 "Print the text the engine is given (UTF-8) and speak nothing");
    app.add_option("--dump-images", o.dumpDir, "Write each chunk image to DIR/0001.wav, ...")
        ->check(NotEmpty);
    app.add_option("--trace", o.traceOut, "Write one JSON line per rendered chunk to FILE")
        ->check(NotEmpty);
    app.add_option("--seed", o.seed, "Fixed seed of the random prosody (reproducible output)")
        ->check(NumberIn(0, 4294967295.0, true));
    app.add_flag("--word-mode", o.wordMode, "Say the text as one chunk that starts at once");
    app.add_option("-v,--voice", voice, "Voice by number 1..3 or name (--list-voices)")
        ->check([](const std::string& v) {
            return VoiceNumber(v) ? std::string() : std::string("no such voice (--list-voices)");
        });
    app.add_option("--speed", o.speed, "Duration scale in percent (100 = recorded tempo)")
        ->check(NumberIn(1, 1000, false));
    app.add_option("-s,--words-per-minute", o.wordsPerMinute,
                   "Tempo in words a minute 40..350 (119 = --speed 100, 166 = 80, 226 = 60)")
        ->check(NumberIn(40, 350, false));
    auto* pitch =
        app.add_option("--pitch", o.pitch, "Pitch: resampling count -100..100 (-3 high ... 2 low)")
            ->check(NumberIn(-100, 100, true));
    app.add_option("--voice-type", voiceType, "Pitch preset: skritek|dite|zena|original|hoch|chlap")
        ->check([](const std::string& v) {
            return VoiceTypePitch(v) ? std::string() : std::string("no such voice type");
        })
        ->excludes(pitch);
    app.add_option("--volume", o.volume, "Volume 0..63750, amplitude x (V/63750)^2; 0 = unscaled")
        ->check(NumberIn(0, 63750, true));
    app.add_option("-a,--amplitude", o.amplitude, "Amplitude in percent 0..200 (100 = recorded)")
        ->check(NumberIn(0, 200, true));
    app.add_option("--echo-tracks", o.echoTracks, "Echo taps 0..10")->check(NumberIn(0, 10, true));
    app.add_option("--echo-delay", o.echoDelay, "Echo delay in samples 0..20000")
        ->check(NumberIn(0, 20000, true));
    app.add_option("--echo-volume", o.echoVolume, "Echo level 0..100")
        ->check(NumberIn(0, 100, true));
    app.add_option("--intonation", intonation, "Sentence intonation on|off")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_option("--linear", linear, "Gliding intonation on|off")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_option("--random-length", o.randomLength, "Divisor of the random spread 1..50")
        ->check(NumberIn(1, 50, true));
    app.add_option("--word-space", o.wordSpace, "Length of a space in ms 0..300")
        ->check(NumberIn(0, 300, true));
    app.add_option("--period-pause", o.periodPause, "Pause before a full stop in ms 0..650")
        ->check(NumberIn(0, 650, true));
    app.add_option("--samples-from-disk", o.samplesDir,
                   "Read the recordings from DIR/<code>.wav, names in any case")
        ->check(CLI::ExistingDirectory);
    app.add_option("--config-dir", o.configDir, "Folder of the dictionary and settings files")
        ->check(NotEmpty);
    app.add_option("--decimal-separator", separator, "Decimal separator of numbers (one character)")
        ->check([](const std::string& s) {
            return SeparatorOf(s) ? std::string()
                                  : "'" + s + "' is not one character of code page 1250";
        });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {TParseOutcome::TKind::Help, app.help()};
    } catch (const CLI::ParseError& e) {
        return {TParseOutcome::TKind::Error, e.what()};
    }
    if (version) {
        return {TParseOutcome::TKind::Help, std::string("vokadlo-say ") + VOKADLO_VERSION + "\n"};
    }
    if (o.wordsPerMinute && o.speed) {
        return {TParseOutcome::TKind::Error,
                "give the tempo either with --speed or with -s, not both"};
    }
    if (toStdout && !o.wavOut.empty() && o.wavOut != "-") {
        return {TParseOutcome::TKind::Error, "--stdout and -w FILE both name the output"};
    }
    if (!o.file.empty() && !o.words.empty()) {
        return {TParseOutcome::TKind::Error,
                "give the text either as arguments or with -f, not both"};
    }
    if (o.lines && (!o.file.empty() || !o.words.empty())) {
        return {TParseOutcome::TKind::Error,
                "--line speaks standard input line by line: give no TEXT and no -f FILE"};
    }
    if (!intonation.empty()) {
        o.intonation = OnOff(intonation);
    }
    if (!linear.empty()) {
        o.linear = OnOff(linear);
    }
    if (!separator.empty()) {
        o.decimalSeparator = SeparatorOf(separator);
    }
    if (toStdout) {
        o.wavOut = "-";
    }
    if (!voice.empty()) {
        o.voice = VoiceNumber(voice);
    }
    if (!voiceType.empty()) {
        o.pitch = VoiceTypePitch(voiceType);
    }
    if (o.wordsPerMinute) {
        o.speed = SpeedForWordsPerMinute(*o.wordsPerMinute);
    }
    return {};
}

double SpeedForWordsPerMinute(double wpm) {
    return SpeedForTempo(wpm / kRecordedWordsPerMinute);
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
    if (o.amplitude) {
        session.SetAmplitude(*o.amplitude);
    }
    session.SetPlainText(o.plain);
    session.SetReading(o.reading == "design" ? TReadingMode::Design : TReadingMode::Czech);
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
