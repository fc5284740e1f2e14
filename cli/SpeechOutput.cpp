#include "cli/SpeechOutput.h"

#include <cstring>
#include <stdexcept>

#include "cli/TraceJson.h"
#include "core/CodePage.h"
#include "platform/AtomicFile.h"

namespace vokadlo::cli {
namespace {

constexpr std::size_t kSamplesStart = 46;  // a chunk image's samples follow its 46-byte header

}  // namespace

TSpeechOutput::TSpeechOutput(const std::string& wavPath, const std::string& dumpDir,
                             const std::string& tracePath, std::FILE* verbose)
    : dumpDir_(dumpDir), verbose_(verbose) {
    if (!wavPath.empty()) {
        wav_ = std::make_unique<TWavWriter>(wavPath);
    }
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
    if (wav_ && image.size() > kSamplesStart) {
        wav_->Append(image.data() + kSamplesStart, image.size() - kSamplesStart);
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

void TSpeechOutput::FinishWav() {
    if (wav_) {
        wav_->Finish();
    }
}

}  // namespace vokadlo::cli
