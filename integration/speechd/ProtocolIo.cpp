#include "integration/speechd/ProtocolIo.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace vokadlo::speechd {

bool TLineInput::Wait(int timeoutMs) {
    if (ended_) {
        return false;
    }
    pollfd p{fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready < 0) {
        return errno == EINTR;
    }
    if (ready == 0) {
        return true;
    }
    char chunk[65536];
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
        return true;
    }
    if (n <= 0) {
        ended_ = true;
        return false;
    }
    if (start_ > 0 && start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    }
    buffer_.append(chunk, static_cast<std::size_t>(n));
    return true;
}

bool TLineInput::HasLine() const {
    return buffer_.find('\n', start_) != std::string::npos;
}

std::optional<std::string> TLineInput::Next() {
    const std::size_t end = buffer_.find('\n', start_);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::string line = buffer_.substr(start_, end - start_);
    start_ = end + 1;
    if (start_ > 65536) {  // drop what has been read
        buffer_.erase(0, start_);
        start_ = 0;
    }
    return line;
}

std::optional<std::string> TLineInput::ReadLine() {
    while (!HasLine()) {
        if (!Wait(-1)) {
            return std::nullopt;
        }
    }
    return Next();
}

void TReplies::Line(std::string_view line) {
    pending_ += line;
    pending_ += '\n';
}

void TReplies::Audio(const std::uint8_t* samples, std::size_t bytes, int sampleRate) {
    constexpr char kEscape = 0x7D;
    constexpr char kInvert = 0x20;
    pending_ += "705-bits=16\n705-num_channels=1\n705-sample_rate=" + std::to_string(sampleRate) +
                "\n705-num_samples=" + std::to_string(bytes / 2) + "\n705-big_endian=0\n705-AUDIO";
    pending_ += '\0';
    for (std::size_t i = 0; i < bytes; ++i) {
        const char b = static_cast<char>(samples[i]);
        if (b == '\n' || b == kEscape) {
            pending_ += kEscape;
            pending_ += static_cast<char>(b ^ kInvert);
        } else {
            pending_ += b;
        }
    }
    pending_ += "\n705 AUDIO\n";
}

void TReplies::Flush() {
    std::size_t done = 0;
    while (done < pending_.size()) {
        const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            pending_.clear();
            throw TServerGone{};
        }
        done += static_cast<std::size_t>(n);
    }
    pending_.clear();
}

}  // namespace vokadlo::speechd
