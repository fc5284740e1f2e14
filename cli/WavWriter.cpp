#include "cli/WavWriter.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace vokadlo::cli {
namespace {

constexpr std::uint64_t kMaxData = 0xFFFFFFFFull - 36;  // the RIFF size must fit 32 bits

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
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

TWavWriter::TWavWriter(std::string path) : path_(std::move(path)) {
    if (path_ == "-") {
        return;
    }
    file_.emplace(path_);
    std::string error;
    if (!file_->Open(error) || !file_->Write(Header(0), error)) {
        throw std::runtime_error(error);
    }
}

void TWavWriter::Append(const std::uint8_t* bytes, std::size_t count) {
    if (dataBytes_ + count > kMaxData) {
        throw std::runtime_error(path_ +
                                 ": the speech is longer than a WAV file can hold (4 GiB); "
                                 "split the text");
    }
    dataBytes_ += count;
    if (file_) {
        std::string error;
        if (!file_->Write(std::string_view(reinterpret_cast<const char*>(bytes), count), error)) {
            throw std::runtime_error(error);
        }
    } else {
        buffered_.insert(buffered_.end(), bytes, bytes + count);
    }
}

void TWavWriter::Finish() {
    const std::string header = Header(static_cast<std::uint32_t>(dataBytes_));
    if (!file_) {
        if (std::fwrite(header.data(), 1, header.size(), stdout) != header.size() ||
            std::fwrite(buffered_.data(), 1, buffered_.size(), stdout) != buffered_.size() ||
            std::fflush(stdout) != 0) {
            throw std::runtime_error("standard output: cannot write");
        }
        return;
    }
    std::string error;
    if (!file_->WriteAt(0, header, error) || !file_->Commit(error)) {
        throw std::runtime_error(error);
    }
}

}  // namespace vokadlo::cli
