#include "cli/WavWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace vokadlo::cli {
namespace {

constexpr std::uint64_t kMaxData = 0xFFFFFFFFull - 36;  // the RIFF size must fit 32 bits

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

void WriteAll(int fd, const void* data, std::size_t count, const std::string& what) {
    const auto* p = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t n = ::write(fd, p, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            throw std::runtime_error(what + ": " + std::strerror(errno));
        }
        p += n;
        count -= static_cast<std::size_t>(n);
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
    temp_ = path_ + ".tmp-" + std::to_string(::getpid());
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        throw std::runtime_error(path_ + ": " + std::strerror(errno));
    }
    const std::string placeholder = Header(0);
    WriteAll(fd_, placeholder.data(), placeholder.size(), path_);
}

TWavWriter::~TWavWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!finished_ && !temp_.empty()) {
        ::unlink(temp_.c_str());
    }
}

void TWavWriter::Append(const std::uint8_t* bytes, std::size_t count) {
    if (dataBytes_ + count > kMaxData) {
        throw std::runtime_error(path_ +
                                 ": the speech is longer than a WAV file can hold (4 GiB); "
                                 "split the text");
    }
    dataBytes_ += count;
    if (fd_ >= 0) {
        WriteAll(fd_, bytes, count, path_);
    } else {
        buffered_.insert(buffered_.end(), bytes, bytes + count);
    }
}

void TWavWriter::Finish() {
    const std::string header = Header(static_cast<std::uint32_t>(dataBytes_));
    if (fd_ < 0) {
        if (std::fwrite(header.data(), 1, header.size(), stdout) != header.size() ||
            std::fwrite(buffered_.data(), 1, buffered_.size(), stdout) != buffered_.size() ||
            std::fflush(stdout) != 0) {
            throw std::runtime_error("standard output: cannot write");
        }
        finished_ = true;
        return;
    }
    if (::pwrite(fd_, header.data(), header.size(), 0) != static_cast<ssize_t>(header.size()) ||
        ::fsync(fd_) != 0) {
        throw std::runtime_error(path_ + ": " + std::strerror(errno));
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        throw std::runtime_error(path_ + ": " + std::strerror(errno));
    }
    finished_ = true;
}

}  // namespace vokadlo::cli
