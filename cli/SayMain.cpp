// vokadlo-say: speaks Czech text aloud, or writes it to a WAV file.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

#include "cli/SayOptions.h"
#include "cli/SpeechOutput.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/EngineSession.h"
#include "engine/Voices.h"
#include "platform/AtomicFile.h"
#include "platform/ConfigDir.h"
#include "platform/ConfigFile.h"
#include "ssml/Ssml.h"

namespace vokadlo::cli {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// A run ended by a signal ends with it, as the shell's tools do: 128 + its number (130 for
// SIGINT, 141 for a reader that went away, 143 for SIGTERM), once the files are cleaned up.
constexpr int kExitBySignal = 128;

volatile std::sig_atomic_t interrupted = 0;  // the signal that asked to stop, or 0

void OnInterrupt(int signal) {
    interrupted = signal;
}

int Fail(int status, const std::string& message) {
    std::cerr << "vokadlo-say: " << message << '\n';
    return status;
}

std::optional<std::string> ReadStandardInput(std::string& problem) {
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            problem = std::string("standard input: ") + std::strerror(errno);
            return std::nullopt;
        }
        if (n == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> ReadInput(const TSayOptions& o, std::string& problem) {
    if (!o.words.empty()) {
        std::string text;
        for (const std::string& w : o.words) {
            text += (text.empty() ? "" : " ") + w;
        }
        return text;
    }
    if (!o.file.empty()) {
        return ReadWholeFile(o.file, problem);
    }
    return ReadStandardInput(problem);
}

// Why standard input cannot be the text, or empty.
std::string StandardInputProblem() {
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) == 0 && S_ISDIR(st.st_mode)) {
        return "standard input is a folder, not a text";
    }
    return {};
}

// Progress of a long text on a terminal, by the share of the text already cut.
class TProgress {
  public:
    TProgress(std::size_t total, bool show) : total_(total), show_(show) {}
    void Update(std::size_t pending) {
        if (!show_) {
            return;
        }
        const int percent = static_cast<int>(100 - (std::min(pending, total_) * 100) /
                                                       std::max<std::size_t>(total_, 1));
        if (percent != last_) {
            last_ = percent;
            std::fprintf(stderr, "\r[%-40s] %3d%%", std::string(percent * 40 / 100, '#').c_str(),
                         percent);
        }
    }
    void Done() {
        if (show_ && last_ >= 0) {
            std::fprintf(stderr, "\r%60s\r", "");
        }
    }

  private:
    std::size_t total_;
    bool show_;
    int last_ = -1;
};

// A text for the session in its encoding.
struct THostText {
    std::string text;
    TTextEncoding encoding = TTextEncoding::Cp1250;
};

// The input as the session gets it, or the reason it cannot be spoken. The Czech reading gets
// UTF-8 whole, so that it sees the characters code page 1250 lacks; the design's reading gets
// code page 1250, as it always has.
std::optional<THostText> EngineText(const std::string& input, const TSayOptions& o,
                                    std::string& problem) {
    const bool utf8 = IsValidUtf8(input);
    if (o.encoding == "utf-8" && !utf8) {
        problem = "the text is not valid UTF-8 (try --encoding cp1250)";
        return std::nullopt;
    }
    if (o.encoding == "cp1250" || !utf8) {
        return THostText{input, TTextEncoding::Cp1250};
    }
    if (o.reading == "czech") {
        return THostText{input, TTextEncoding::Utf8};
    }
    return THostText{Utf8ToCp1250(input), TTextEncoding::Cp1250};
}

// An SSML input for the SSML reader: as it is when it declares its encoding, else in UTF-8
// (converted from code page 1250 when it is not UTF-8 or that was asked).
std::optional<THostText> SsmlInput(const std::string& input, const TSayOptions& o,
                                   std::string& problem) {
    if (!EngineText(input, o, problem)) {
        return std::nullopt;
    }
    const std::size_t declaration = input.find("<?xml");
    if (declaration != std::string::npos && declaration < 4 &&
        input.find("encoding", declaration) < input.find("?>", declaration)) {
        return THostText{input, TTextEncoding::Utf8};
    }
    const bool utf8 = o.encoding != "cp1250" && IsValidUtf8(input);
    return THostText{utf8 ? input : Cp1250ToUtf8(input), TTextEncoding::Utf8};
}

std::optional<THostText> HostInput(const std::string& input, const TSayOptions& o,
                                   std::string& problem) {
    return o.ssml ? SsmlInput(input, o, problem) : EngineText(input, o, problem);
}

// Reads an SSML document into the text the session speaks, with the session set for it: its
// breaks as silence, its voice, the reader's own tags acting. A malformed document is read as
// text, with a notice.
THostText ReadDocument(const THostText& document, TEngineSession& session) {
    TSsmlOptions options;
    options.speedPercent = Settings.SpeedFactor * 100;
    options.volume = Settings.OutputVolume;
    TSsmlText read = ReadSsml(document.text, options);
    if (!read.notice.empty()) {
        Fail(0, read.notice);
    }
    if (read.voice) {
        session.SetVoice(*read.voice);
    }
    session.SetBreaks(read.Breaks());
    session.SetPlainText(false);  // the document's text makes no tag
    return THostText{std::move(read.text), TTextEncoding::Utf8};
}

// --print-reading: the text the engine would be given, in UTF-8, one line for each text.
bool PrintReading(TEngineSession& session, const THostText& text) {
    std::string shown = Cp1250ToUtf8(session.TextForEngine(text.text, text.encoding));
    if (shown.empty() || shown.back() != '\n') {
        shown += '\n';
    }
    return std::fwrite(shown.data(), 1, shown.size(), stdout) == shown.size();
}

int ListVoices() {
    for (const TVoice& voice : kVoices) {
        std::printf("%d %-10s %4d cs\n", voice.number, voice.name, voice.pitchShift);
    }
    return 0;
}

int Run(int argc, char** argv) {
    TSayOptions options;
    const TParseOutcome parsed = ParseSayOptions(argc, argv, options);
    if (parsed.kind == TParseOutcome::TKind::Help) {
        std::cout << parsed.message;
        return 0;
    }
    if (parsed.kind == TParseOutcome::TKind::Error) {
        return Fail(kExitUsage, parsed.message);
    }
    if (options.listVoices) {
        return ListVoices();
    }

    std::string problem;
    if (options.words.empty() && options.file.empty()) {
        problem = StandardInputProblem();
        if (!problem.empty()) {
            return Fail(kExitUsage, problem);
        }
    }
    std::optional<THostText> text;
    if (!options.lines) {
        const std::optional<std::string> input = ReadInput(options, problem);
        if (!input) {
            return Fail(kExitUsage, problem);
        }
        text = HostInput(*input, options, problem);
        if (!text) {
            return Fail(kExitUsage, problem);
        }
    }

    if (!options.configDir.empty()) {
        SetConfigDirOverride(options.configDir);
    }
    const bool toFile = !options.wavOut.empty() || options.printReading;

    std::FILE* verbose = options.verbose ? (options.wavOut == "-" ? stderr : stdout) : nullptr;
    std::unique_ptr<TSpeechOutput> output;
    try {
        output = std::make_unique<TSpeechOutput>(options.wavOut, options.dumpDir, options.traceOut,
                                                 verbose);
    } catch (const std::exception& e) {
        return Fail(kExitUsage, e.what());
    }

    bool finished = false;
    bool failed = false;
    bool readerGone = false;
    TSessionEvents events;
    events.ChunkStarted = [&](const TChunkStart& chunk) {
        output->ChunkStarted(chunk.display, chunk.image);
    };
    events.ChunkRendered = [&](const TSayWord& record, const TMemoryStream& image,
                               std::uint8_t slot, const std::string& display) {
        output->ChunkRendered(record, image, slot, display);
    };
    events.End = [&] { finished = true; };
    events.Error = [&](const std::string& message) {
        failed = true;
        readerGone = output->ReaderGone();
        if (!readerGone) {
            Fail(kExitFailed, message);
        }
    };

    TSessionConfig config;
    config.output = toFile ? TSessionConfig::TOutput::Silent : TSessionConfig::TOutput::SoundCard;
    config.voice = options.voice;
    config.programName = "vokadlo-say";
    // Building the engine reads the store's values first, so that the options given here win.
    TEngineSession session(std::move(config), std::move(events));
    if (options.printReading) {
        ApplySayOptions(options, session);
        if (text) {
            return PrintReading(session, options.ssml ? ReadDocument(*text, session) : *text)
                       ? 0
                       : kExitFailed;
        }
        for (std::string line; std::getline(std::cin, line);) {
            const std::optional<THostText> one = HostInput(line, options, problem);
            if (!one) {
                return Fail(kExitUsage, problem);
            }
            if (!PrintReading(session, options.ssml ? ReadDocument(*one, session) : *one)) {
                return kExitFailed;
            }
        }
        return 0;
    }
    if (!toFile && !session.HasSound()) {
        return Fail(kExitFailed,
                    session.SoundProblem() + "; use -w FILE to write a WAV file instead");
    }
    if (options.verbose && !session.StoredSettingsProblem().empty()) {
        Fail(0, "the settings store was read up to " + session.StoredSettingsProblem() +
                    " (this and later values keep their previous values)");
    }
    ApplySayOptions(options, session);
    if (!options.samplesDir.empty() && session.DiskRecordingCount() == 0) {
        return Fail(kExitFailed, options.samplesDir +
                                     ": none of the voice's 34 recordings is there (a.wav, "
                                     "ch.wav ..., mono 16-bit 22050 Hz PCM, names in any case)");
    }

    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    // A reader that goes away shows as a failed write, so that the files are cleaned up first.
    std::signal(SIGPIPE, SIG_IGN);
    // Speaks one text to its end; false when it stopped before.
    const auto speak = [&](const THostText& given) {
        finished = false;
        const THostText one = options.ssml ? ReadDocument(given, session) : given;
        if (options.wordMode) {
            session.SpeakWord(one.text, one.encoding);
        } else {
            session.Speak(one.text, one.encoding);
        }
        const std::size_t total = session.EngineTextBytes();
        TProgress progress(total, toFile && ::isatty(STDERR_FILENO) && total > 2000);
        session.RunUntilIdle([&] {
            progress.Update(session.PendingBytes());
            return interrupted != 0;
        });
        progress.Done();
        return !failed && (finished || IsBlank(one.text));
    };

    bool complete = true;
    if (text) {
        complete = speak(*text);
    } else {
        for (std::string line; complete && !interrupted && std::getline(std::cin, line);) {
            const std::optional<THostText> one = HostInput(line, options, problem);
            if (!one) {
                return Fail(kExitUsage, problem);
            }
            complete = speak(*one);
        }
    }

    if (interrupted) {
        session.Stop();  // cut off the sound at once
        return kExitBySignal + interrupted;
    }
    if (readerGone) {
        return kExitBySignal + SIGPIPE;
    }
    if (failed) {
        return kExitFailed;
    }
    if (!complete) {
        return Fail(kExitFailed, "speech stopped before the end of the text");
    }
    try {
        output->Finish();
    } catch (const std::exception& e) {
        return output->ReaderGone() ? kExitBySignal + SIGPIPE : Fail(kExitFailed, e.what());
    }
    return 0;
}

// What was printed on standard output (help, voices, chunk texts) must have reached it.
int CheckStandardOutput(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return status;
    }
    if (errno == EPIPE) {
        return kExitBySignal + SIGPIPE;
    }
    const std::string reason = std::strerror(errno);
    return status != 0 ? status : Fail(kExitFailed, "standard output: " + reason);
}

}  // namespace
}  // namespace vokadlo::cli

int main(int argc, char** argv) {
    int status = 1;
    try {
        status = vokadlo::cli::Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "vokadlo-say: " << e.what() << '\n';
    }
    status = vokadlo::cli::CheckStandardOutput(status);
    if (status > vokadlo::cli::kExitBySignal) {
        const int signal = status - vokadlo::cli::kExitBySignal;
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
