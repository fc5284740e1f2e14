#include "cli/SpeechOutput.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "cli/TraceJson.h"
#include "core/CodePage.h"

namespace vokadlo::cli {
namespace {

constexpr std::size_t kSamplesStart = 46;  // a chunk image's samples follow its 46-byte header

}  // namespace

TSpeechOutput::TSpeechOutput(const std::string& wavPath, const std::string& dumpDir,
                             const std::string& tracePath, std::FILE* verbose)
    : dumpDir_(dumpDir), verbose_(verbose) {
    if (!tracePath.empty()) {
        trace_ = std::make_unique<TOutputFile>(tracePath);
        std::string error;
        if (!trace_->Open(error)) {
            throw std::runtime_error(error);
        }
    }
    if (!dumpDir_.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dumpDir_, error);
        if (!std::filesystem::is_directory(dumpDir_)) {
            const std::string reason = std::filesystem::exists(dumpDir_)
                                           ? "it is a file, not a folder"
                                       : error ? error.message()
                                               : "it is not there";
            throw std::runtime_error(dumpDir + ": cannot make the folder: " + reason);
        }
    }
    if (!wavPath.empty()) {
        wav_ = std::make_unique<TWavWriter>(wavPath);
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
        Print(Cp1250ToUtf8(display));
    }
}

void TSpeechOutput::ChunkRendered(const TSayWord& record, const TMemoryStream& image,
                                  std::uint8_t slot, const std::string& display) {
    if (trace_) {
        std::string error;
        if (!trace_->Write(TraceLine(++rendered_, slot, display, record, image.size()) + '\n',
                           error)) {
            throw std::runtime_error(error);
        }
    }
}

void TSpeechOutput::Print(const std::string& line) {
    if (std::fprintf(verbose_, "%s\n", line.c_str()) < 0 || std::fflush(verbose_) != 0) {
        verboseReaderGone_ = errno == EPIPE;
        throw std::runtime_error(
            std::string(verbose_ == stdout ? "standard output" : "standard error") + ": " +
            std::strerror(errno));
    }
}

void TSpeechOutput::Finish() {
    if (wav_) {
        wav_->Finish();
    }
    std::string error;
    if (trace_ && !trace_->Commit(error)) {
        throw std::runtime_error(error);
    }
}

bool TSpeechOutput::ReaderGone() const {
    return verboseReaderGone_ || (wav_ && wav_->ReaderGone()) || (trace_ && trace_->ReaderGone());
}

}  // namespace vokadlo::cli
