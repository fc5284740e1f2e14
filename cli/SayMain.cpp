// vokadlo-say: speaks Czech text aloud, or writes it to a WAV file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

#include "cli/OutputClash.h"
#include "cli/SayOptions.h"
#include "cli/SpeechOutput.h"
#include "cli/StopSignals.h"
#include "cli/TextInput.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/EngineSession.h"
#include "engine/Voices.h"
#include "platform/ConfigDir.h"
#include "ssml/Ssml.h"

namespace vokadlo::cli {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// A run ended by a signal ends with it, as the shell's tools do: 128 + its number (130 for
// SIGINT, 141 for a reader that went away, 143 for SIGTERM), once the files are cleaned up.
constexpr int kExitBySignal = 128;
// The largest SSML document read: a document is read whole, not in pieces.
constexpr std::size_t kSsmlLimit = std::size_t{8} << 20;

// What the program is doing, for the message of an allocation that fails.
const char* doing = "reading the options";

int Fail(int status, const std::string& message) {
    std::cerr << "vokadlo-say: " << message << '\n';
    return status;
}

// A standard descriptor the program was started without is opened on /dev/null the wrong way
// round, so that no file opened later takes its number and its reads or writes still fail.
// True when standard input was closed.
bool GuardStandardDescriptors() {
    bool inputClosed = false;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            inputClosed = inputClosed || fd == STDIN_FILENO;
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
    return inputClosed;
}

// The descriptor of the text's file or standard input, or the reason it cannot be read.
class TInputSource {
  public:
    ~TInputSource() {
        if (owned_ >= 0) {
            ::close(owned_);
        }
    }
    bool Open(const TSayOptions& o, bool stdinClosed, std::string& problem) {
        if (o.file.empty()) {
            struct stat st {};
            if (stdinClosed) {
                problem =
                    "standard input is closed: give the text as arguments, with -f FILE "
                    "or on standard input";
            } else if (::fstat(STDIN_FILENO, &st) == 0 && S_ISDIR(st.st_mode)) {
                problem = "standard input is a folder, not a text";
            }
            return problem.empty();
        }
        // A FIFO waits here for its writer; a stop signal ends the wait.
        while ((owned_ = ::open(o.file.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC)) < 0) {
            if (errno != EINTR || StopSignal() != 0) {
                problem = o.file + ": " + std::strerror(errno);
                return false;
            }
        }
        fd_ = owned_;
        name_ = o.file;
        return true;
    }
    int Fd() const { return fd_; }
    const std::string& Name() const { return name_; }

  private:
    int owned_ = -1;
    int fd_ = STDIN_FILENO;
    std::string name_ = "standard input";
};

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

// The characters of a text as the user gave it: UTF-8 ones, or code page 1250 bytes.
std::size_t CharacterCount(const THostText& text) {
    if (text.encoding == TTextEncoding::Cp1250) {
        return text.text.size();
    }
    return static_cast<std::size_t>(std::count_if(text.text.begin(), text.text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
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

// "at character N" of a session's message counted from `base` characters further on, behind
// "line L: " when the text is read by lines.
std::string WithPlace(const std::string& message, std::size_t base, std::size_t line) {
    static constexpr std::string_view kAt = "at character ";
    std::string placed = message;
    if (const std::size_t at = placed.rfind(kAt); at != std::string::npos && base > 0) {
        const std::size_t digits = at + kAt.size();
        std::size_t end = digits;
        while (end < placed.size() && placed[end] >= '0' && placed[end] <= '9') {
            ++end;
        }
        if (end > digits) {
            const std::size_t n = std::stoull(placed.substr(digits, end - digits)) + base;
            placed.replace(digits, end - digits, std::to_string(n));
        }
    }
    return line > 0 ? "line " + std::to_string(line) + ": " + placed : placed;
}

int Run(int argc, char** argv, bool stdinClosed) {
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

    if (const std::string clash = OutputClash(options.wavOut, options.traceOut, options.dumpDir);
        !clash.empty()) {
        return Fail(kExitUsage, clash);
    }

    CatchStopSignals();
    const auto stopped = [] { return StopSignal() != 0; };
    doing = "reading the text";
    std::string problem;
    TInputSource source;
    if (options.words.empty() && !source.Open(options, stdinClosed, problem)) {
        return stopped() ? kExitBySignal + StopSignal() : Fail(kExitUsage, problem);
    }
    TTextInput input(source.Fd(), source.Name(), StopFd());
    // Arguments are one piece; a file or standard input comes in pieces, the first (in text
    // mode) read before any output is made, so that an unreadable text makes none.
    std::string piece;
    TTextInput::TResult first = TTextInput::TResult::End;
    if (!options.words.empty()) {
        for (const std::string& w : options.words) {
            piece += (piece.empty() ? "" : " ") + w;
        }
        first = TTextInput::TResult::Piece;
    } else if (!options.lines) {
        first = input.Next(false, piece, problem);
        // An SSML document is read whole, up to a bound.
        for (std::string more; options.ssml && first == TTextInput::TResult::Piece;) {
            const TTextInput::TResult next = input.Next(false, more, problem);
            if (next != TTextInput::TResult::Piece) {
                first = next == TTextInput::TResult::End ? first : next;
                break;
            }
            if (piece.size() + more.size() > kSsmlLimit) {
                return Fail(kExitUsage, "the SSML document is larger than 8 MiB");
            }
            piece += more;
        }
        if (first == TTextInput::TResult::Failed) {
            return Fail(kExitUsage, problem);
        }
        if (first == TTextInput::TResult::Stopped) {
            return kExitBySignal + StopSignal();
        }
    }
    std::optional<THostText> text;
    if (first == TTextInput::TResult::Piece) {
        text = HostInput(piece, options, problem);
        if (!text) {
            return Fail(kExitUsage, problem);
        }
    }
    // The next piece of the text as the session gets it; false at its end (or a stop), with
    // `status` set when the text cannot be read.
    const auto nextPiece = [&](int& status) {
        const TTextInput::TResult next = input.Next(options.lines, piece, problem);
        if (next == TTextInput::TResult::Failed) {
            status = Fail(kExitUsage, problem);
            return false;
        }
        if (next != TTextInput::TResult::Piece) {
            return false;
        }
        text = HostInput(piece, options, problem);
        if (!text) {
            status = Fail(kExitUsage, problem);
            return false;
        }
        return true;
    };

    if (!options.configDir.empty()) {
        SetConfigDirOverride(options.configDir);
    }
    const bool toFile = !options.wavOut.empty() || options.printReading;

    doing = "opening the outputs";
    std::FILE* verbose = options.verbose ? (options.wavOut == "-" ? stderr : stdout) : nullptr;
    std::unique_ptr<TSpeechOutput> output;
    try {
        // Printing the reading speaks nothing: no output is opened or made.
        output = options.printReading
                     ? std::make_unique<TSpeechOutput>("", "", "", nullptr)
                     : std::make_unique<TSpeechOutput>(options.wavOut, options.dumpDir,
                                                       options.traceOut, verbose);
    } catch (const std::exception& e) {
        return stopped() ? kExitBySignal + StopSignal() : Fail(kExitUsage, e.what());
    }

    doing = "speaking";
    bool finished = false;
    bool failed = false;
    bool readerGone = false;
    std::size_t base = 0;  // characters of the text before the piece being spoken
    std::size_t line = 0;  // the line being spoken, counted from 1, with --line
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
            Fail(kExitFailed, WithPlace(message, base, line));
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
        int status = 0;
        const auto more = [&] { return options.words.empty() && nextPiece(status); };
        for (bool have = text.has_value() || more(); have; have = more()) {
            if (!PrintReading(session, options.ssml ? ReadDocument(*text, session) : *text)) {
                return kExitFailed;
            }
        }
        return stopped() ? kExitBySignal + StopSignal() : status;
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

    // A reader that goes away shows as a failed write, so that the files are cleaned up first.
    std::signal(SIGPIPE, SIG_IGN);
    // The text's size in bytes when it is known (a file), for the progress shown.
    struct stat st {};
    const std::size_t known = !options.words.empty() ? piece.size()
                              : ::fstat(source.Fd(), &st) == 0 && S_ISREG(st.st_mode)
                                  ? static_cast<std::size_t>(st.st_size)
                                  : piece.size();
    std::size_t bytesBefore = 0;  // bytes of the text before the piece being spoken
    // Speaks one piece to its end; false when it stopped before.
    const auto speak = [&](const THostText& given) {
        finished = false;
        const THostText one = options.ssml ? ReadDocument(given, session) : given;
        if (options.wordMode) {
            session.SpeakWord(one.text, one.encoding);
        } else {
            session.Speak(one.text, one.encoding);
        }
        const std::size_t total = std::max(known, bytesBefore + one.text.size());
        const std::size_t engineBytes = std::max<std::size_t>(session.EngineTextBytes(), 1);
        TProgress progress(total, toFile && ::isatty(STDERR_FILENO) && total > 2000);
        session.RunUntilIdle([&] {
            const std::size_t pending = session.PendingBytes() * one.text.size() / engineBytes;
            progress.Update(total - bytesBefore - one.text.size() + pending);
            return stopped();
        });
        progress.Done();
        return !failed && (finished || IsBlank(one.text));
    };

    bool complete = true;
    bool havePiece = text.has_value();  // the arguments, or the first piece read
    bool lineEnded = true;
    while (complete && !stopped()) {
        int status = 0;
        if (!havePiece && (!options.words.empty() || !nextPiece(status))) {
            if (status != 0) {
                return status;
            }
            break;
        }
        havePiece = false;
        if (options.lines && lineEnded) {
            ++line;
            base = 0;
        }
        complete = speak(*text);
        base += CharacterCount(*text);
        bytesBefore += text->text.size();
        lineEnded = !options.lines || input.LineEnded();
    }

    if (stopped()) {
        session.Stop();  // cut off the sound at once
        if (!options.lines) {
            return kExitBySignal + StopSignal();
        }
        // Reading by lines has no end but this: what was spoken is kept, whole.
    } else if (readerGone) {
        return kExitBySignal + SIGPIPE;
    } else if (failed) {
        return kExitFailed;
    } else if (!complete) {
        return Fail(kExitFailed, "speech stopped before the end of the text");
    }
    doing = "writing the outputs";
    try {
        output->Finish();
    } catch (const std::exception& e) {
        return output->ReaderGone() ? kExitBySignal + SIGPIPE : Fail(kExitFailed, e.what());
    }
    return stopped() ? kExitBySignal + StopSignal() : 0;
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
    const bool stdinClosed = vokadlo::cli::GuardStandardDescriptors();
    int status = 1;
    try {
        status = vokadlo::cli::Run(argc, argv, stdinClosed);
    } catch (const std::bad_alloc&) {
        std::cerr << "vokadlo-say: out of memory while " << vokadlo::cli::doing << '\n';
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
