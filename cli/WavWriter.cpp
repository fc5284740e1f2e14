#include "cli/WavWriter.h"

#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string_view>

namespace vokadlo::cli {
namespace {

constexpr std::uint64_t kMaxData = 0xFFFFFFFFull - 36;  // the RIFF size must fit 32 bits
constexpr std::uint32_t kUnknownSize = 0xFFFFFFFF;

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

TOutputFile MakeOutput(const std::string& path) {
    if (path == "-") {
        return TOutputFile(STDOUT_FILENO, "standard output");
    }
    return TOutputFile(path);
}

}  // namespace

std::string TWavWriter::Header(std::uint32_t dataBytes) {
    std::string h(44, '\0');
    std::memcpy(h.data(), "RIFF", 4);
    Put32(h, 4, 36 + dataBytes);
    std::memcpy(h.data() + 8, "WAVEfmt ", 8);
    Put32(h, 16, 16);
    h[20] = 1;  // PCM
    h[22] = 1;  // mono
    Put32(h, 24, 22050);
    Put32(h, 28, 44100);
    h[32] = 2;
    h[34] = 16;
    std::memcpy(h.data() + 36, "data", 4);
    Put32(h, 40, dataBytes);
    return h;
}

TWavWriter::TWavWriter(const std::string& path) : out_(MakeOutput(path)) {
    std::string error;
    if (!out_.Open(error)) {
        throw std::runtime_error(error);
    }
}

void TWavWriter::WriteHeaderOnce() {
    if (headerWritten_) {
        return;
    }
    headerWritten_ = true;
    std::string header = Header(0);
    Put32(header, 4, kUnknownSize);
    Put32(header, 40, kUnknownSize);
    std::string error;
    if (!out_.Write(header, error)) {
        throw std::runtime_error(error);
    }
}

void TWavWriter::Append(const std::uint8_t* bytes, std::size_t count) {
    WriteHeaderOnce();
    if (out_.Whole() && dataBytes_ + count > kMaxData) {
        throw std::runtime_error(out_.Name() +
                                 ": the speech is longer than a WAV file can hold (4 GiB); "
                                 "split the text");
    }
    dataBytes_ += count;
    std::string error;
    if (!out_.Write(std::string_view(reinterpret_cast<const char*>(bytes), count), error)) {
        throw std::runtime_error(error);
    }
}

void TWavWriter::Finish() {
    WriteHeaderOnce();
    std::string error;
    // A stream longer than 4 GiB keeps its unknown sizes.
    if (out_.Rewritable() && dataBytes_ <= kMaxData &&
        !out_.WriteAt(0, Header(static_cast<std::uint32_t>(dataBytes_)), error)) {
        throw std::runtime_error(error);
    }
    if (!out_.Commit(error)) {
        throw std::runtime_error(error);
    }
}

}  // namespace vokadlo::cli
