#include "cli/SpeechOutput.h"

#include <cstring>
#include <stdexcept>

#include "cli/TraceJson.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"

namespace vokadlo::cli {
namespace {

constexpr std::size_t kSamplesStart = 46;  // a chunk image's samples follow its 46-byte header

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

}  // namespace

TSpeechOutput::TSpeechOutput(const std::string& dumpDir, const std::string& tracePath,
                             std::FILE* verbose)
    : dumpDir_(dumpDir), verbose_(verbose) {
    if (!dumpDir_.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dumpDir_, error);
        if (!std::filesystem::is_directory(dumpDir_)) {
            throw std::runtime_error(dumpDir + ": cannot make the folder");
        }
    }
    if (!tracePath.empty()) {
        trace_.open(tracePath, std::ios::binary | std::ios::trunc);
        if (!trace_) {
            throw std::runtime_error(tracePath + ": cannot write");
        }
    }
}

void TSpeechOutput::ChunkStarted(const std::string& display, const TMemoryStream& image) {
    ++started_;
    if (image.size() > kSamplesStart) {
        samples_.insert(samples_.end(), image.begin() + kSamplesStart, image.end());
    }
    if (!dumpDir_.empty()) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.wav", started_);
        std::string error;
        if (!WriteFileAtomically(
                dumpDir_ / name,
                std::string_view(reinterpret_cast<const char*>(image.data()), image.size()),
                error)) {
            throw std::runtime_error(error);
        }
    }
    if (verbose_) {
        std::fprintf(verbose_, "%s\n", Cp1250ToUtf8(display).c_str());
        std::fflush(verbose_);
    }
}

void TSpeechOutput::ChunkRendered(const TSayWord& record, const TMemoryStream& image,
                                  std::uint8_t slot, const std::string& display) {
    if (trace_.is_open()) {
        trace_ << TraceLine(++rendered_, slot, display, record, image.size()) << '\n';
        trace_.flush();
    }
}

std::string TSpeechOutput::Wav() const {
    std::string wav(44, '\0');
    std::memcpy(wav.data(), "RIFF", 4);
    Put32(wav, 4, static_cast<std::uint32_t>(36 + samples_.size()));
    std::memcpy(wav.data() + 8, "WAVEfmt ", 8);
    Put32(wav, 16, 16);
    wav[20] = 1;  // PCM
    wav[22] = 1;  // mono
    Put32(wav, 24, 22050);
    Put32(wav, 28, 44100);
    wav[32] = 2;
    wav[34] = 16;
    std::memcpy(wav.data() + 36, "data", 4);
    Put32(wav, 40, static_cast<std::uint32_t>(samples_.size()));
    wav.append(reinterpret_cast<const char*>(samples_.data()), samples_.size());
    return wav;
}

}  // namespace vokadlo::cli
