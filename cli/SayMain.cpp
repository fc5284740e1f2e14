// vokadlo-say: speaks Czech text aloud, or writes it to a WAV file.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

#include "cli/SayOptions.h"
#include "cli/SpeechOutput.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "platform/AtomicFile.h"
#include "core/CodePage.h"
#include "platform/ConfigDir.h"
#include "platform/EventLoop.h"
#include "platform/PortAudioPlayer.h"
#include "platform/RegSettingsStore.h"
#include "platform/VirtualClock.h"
#include "voice/BuiltinVoice.h"

namespace vokadlo::cli {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

int Fail(int status, const std::string& message) {
    std::cerr << "vokadlo-say: " << message << '\n';
    return status;
}

// Notices go to standard error, in UTF-8.
class TStderrNotice final : public INotice {
  public:
    void Show(const std::string& text) override {
        std::cerr << "vokadlo-say: " << Cp1250ToUtf8(text) << '\n';
    }
};

std::optional<std::string> ReadInput(const TSayOptions& o) {
    if (!o.words.empty()) {
        std::string text;
        for (const std::string& w : o.words) {
            text += (text.empty() ? "" : " ") + w;
        }
        return text;
    }
    if (!o.file.empty()) {
        return ReadWholeFile(o.file);
    }
    std::ostringstream in;
    in << std::cin.rdbuf();
    return in.str();
}

// Progress of a long text on a terminal, by the share of the text already cut.
class TProgress {
  public:
    TProgress(std::size_t total, bool show) : total_(total), show_(show) {}
    void Update(std::size_t pending) {
        if (!show_) {
            return;
        }
        const int percent =
            static_cast<int>(100 - (pending * 100) / std::max<std::size_t>(total_, 1));
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

    const std::optional<std::string> input = ReadInput(options);
    if (!input) {
        return Fail(kExitUsage, options.file + ": cannot read the file");
    }
    std::string text;
    const bool utf8 = IsValidUtf8(*input);
    if (options.encoding == "utf-8" && !utf8) {
        return Fail(kExitUsage, "the text is not valid UTF-8 (try --encoding cp1250)");
    }
    text = (options.encoding == "cp1250" || !utf8) ? *input : Utf8ToCp1250(*input);

    if (!options.configDir.empty()) {
        SetConfigDirOverride(options.configDir);
    }
    const bool toFile = !options.wavOut.empty();

    TStderrNotice notice;
    TVirtualClock clock;
    TSilentPlayer freePlayer;  // writing a file: every image is accepted at once
    TPortAudioPlayer soundCard;
    bool loopFailed = false;
    TEventLoop loop([&](const std::string& message) {
        loopFailed = true;
        Fail(kExitFailed, message);
    });
    if (!toFile && !soundCard.Open()) {
        return Fail(kExitFailed, soundCard.Problem() + "; use -w FILE to write a WAV file instead");
    }

    TPlatform platform;
    platform.Player = toFile ? static_cast<ISoundPlayer*>(&freePlayer) : &soundCard;
    platform.Timers = toFile ? static_cast<ITimerFactory*>(&clock) : &loop;
    platform.Notice = &notice;
    platform.Resources = &BuiltinVoice();
    platform.CreateSettingsStore = [] {
        return std::make_unique<TRegSettingsStore>(TRegSettingsStore::DefaultFile());
    };
    SetPlatform(platform);

    std::FILE* verbose = options.verbose ? (options.wavOut == "-" ? stderr : stdout) : nullptr;
    std::unique_ptr<TSpeechOutput> output;
    try {
        output = std::make_unique<TSpeechOutput>(options.wavOut, options.dumpDir, options.traceOut,
                                                 verbose);
    } catch (const std::exception& e) {
        return Fail(kExitUsage, e.what());
    }

    // The store's values first, so that the options given here win over them.
    Settings.SpeechEnabled = true;
    SayTextInstance = std::make_unique<TSayText>(options.voice);
    TSayText& engine = *SayTextInstance;
    engine.ReadEngineSettings();
    ApplySayOptions(options);

    bool finished = false;
    std::string outputError;  // why an output failed; the engine then halts the speech
    SetSayCallback([&](const std::string& display, const TMemoryStream* stream) {
        try {
            if (stream) {
                output->ChunkStarted(display, *stream);
            } else if (display.empty()) {
                finished = true;
            }
        } catch (const std::exception& e) {
            outputError = e.what();
            throw;
        }
    });
    engine.ChunkObserver = [&](const TSayWord& record, const TMemoryStream& image,
                               std::uint8_t slot, const std::string& display) {
        output->ChunkRendered(record, image, slot, display);
    };

    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    const auto idle = [&] { return !engine.StepTimer->Enabled() && !engine.EndTimer->Enabled(); };
    int status = 0;
    try {
        if (options.wordMode) {
            SayWord(text);
        } else {
            Say(text);
        }
        if (toFile) {
            TProgress progress(text.size(), ::isatty(STDERR_FILENO) && text.size() > 2000);
            while (!idle() && !interrupted) {
                clock.Advance(kStepInterval);
                progress.Update(engine.PendingText.size());
            }
            progress.Done();
        } else {
            loop.Run([&] { return idle() || interrupted; });
        }
    } catch (const std::exception& e) {
        status = Fail(kExitFailed, e.what());
    }

    if (interrupted) {
        Say("");  // cut off the sound at once
        FinalizeEngine();
        return kExitInterrupted;
    }
    if (status == 0 && !outputError.empty()) {
        status = Fail(kExitFailed, outputError);
    }
    if (status == 0 && !finished && !IsBlank(text)) {
        status = loopFailed ? kExitFailed
                            : Fail(kExitFailed, "speech stopped before the end of the text");
    }
    if (toFile && status == 0) {
        try {
            output->FinishWav();
        } catch (const std::exception& e) {
            status = Fail(kExitFailed, e.what());
        }
    }
    FinalizeEngine();  // before the player and timers above are destroyed
    return status;
}

}  // namespace
}  // namespace vokadlo::cli

int main(int argc, char** argv) {
    try {
        return vokadlo::cli::Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "vokadlo-say: " << e.what() << '\n';
        vokadlo::FinalizeEngine();
        return 1;
    }
}
