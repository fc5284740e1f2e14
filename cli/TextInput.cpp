#include "cli/TextInput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace vokadlo::cli {
namespace {

constexpr std::size_t kReadSize = 65536;

// Where a piece of at most kPieceLimit bytes of `text` ends: after the last line end (when
// `atLineEnd`) or else space, else before a UTF-8 character that would be cut.
std::size_t PieceEnd(const std::string& text, bool atLineEnd) {
    const std::size_t limit = kPieceLimit;
    const std::string_view head(text.data(), limit);
    if (atLineEnd) {
        if (const std::size_t end = head.rfind('\n'); end != std::string_view::npos) {
            return end + 1;
        }
    }
    if (const std::size_t space = head.find_last_of(" \t\r"); space != std::string_view::npos) {
        return space + 1;
    }
    std::size_t end = limit;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back) {
        --end;
    }
    return end;
}

}  // namespace

TTextInput::TTextInput(int fd, std::string name, int stopFd)
    : fd_(fd), name_(std::move(name)), stopFd_(stopFd) {}

void TTextInput::Take(std::size_t size, std::string& piece) {
    piece.assign(buffer_, 0, size);
    buffer_.erase(0, size);
}

bool TTextInput::Fill(TResult& result, std::string& problem) {
    for (;;) {
        if (stopFd_ >= 0) {
            pollfd waits[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
            if (::poll(waits, 2, -1) < 0 && errno != EINTR) {
                problem = name_ + ": " + std::strerror(errno);
                result = TResult::Failed;
                return false;
            }
            if (waits[1].revents != 0) {
                result = TResult::Stopped;
                return false;
            }
            if (waits[0].revents == 0) {
                continue;
            }
        }
        const std::size_t had = buffer_.size();
        buffer_.resize(had + kReadSize);
        const ssize_t n = ::read(fd_, buffer_.data() + had, kReadSize);
        const int savedErrno = errno;
        buffer_.resize(had + static_cast<std::size_t>(n > 0 ? n : 0));
        if (n < 0 && (savedErrno == EINTR || savedErrno == EAGAIN)) {
            continue;
        }
        if (n < 0) {
            problem = name_ + ": " + std::strerror(savedErrno);
            result = TResult::Failed;
            return false;
        }
        ended_ = n == 0;
        return true;
    }
}

TTextInput::TResult TTextInput::Next(bool lines, std::string& piece, std::string& problem) {
    std::size_t searched = 0;  // the buffer's bytes known to hold no line end
    for (;;) {
        if (lines) {
            if (const std::size_t end = buffer_.find('\n', searched); end != std::string::npos) {
                Take(end + 1, piece);
                piece.pop_back();
                lineEnded_ = true;
                return TResult::Piece;
            }
            searched = buffer_.size();
        }
        lineEnded_ = true;
        if (buffer_.size() > kPieceLimit) {
            lineEnded_ = !lines;
            Take(PieceEnd(buffer_, !lines), piece);
            return TResult::Piece;
        }
        if (ended_) {
            if (buffer_.empty()) {
                return TResult::End;
            }
            Take(buffer_.size(), piece);
            return TResult::Piece;
        }
        TResult result = TResult::Piece;
        if (!Fill(result, problem)) {
            return result;
        }
    }
}

}  // namespace vokadlo::cli
