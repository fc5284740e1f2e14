#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vokadlo {

TAtomicFile::TAtomicFile(std::filesystem::path path) : path_(std::move(path)) {
    temp_ = path_;
    temp_ += ".tmp-" + std::to_string(::getpid());
}

TAtomicFile::~TAtomicFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !temp_.empty()) {
        ::unlink(temp_.c_str());
    }
}

bool TAtomicFile::Fail(std::string& error, int savedErrno) const {
    error = path_.string() + ": " + std::strerror(savedErrno);
    return false;
}

bool TAtomicFile::Open(std::string& error) {
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd_ >= 0 || Fail(error, errno);
}

bool TAtomicFile::Write(std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return Fail(error, n < 0 ? errno : EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool TAtomicFile::WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return Fail(error, n < 0 ? errno : EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool TAtomicFile::Commit(std::string& error) {
    if (::fsync(fd_) != 0) {
        return Fail(error, errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        return Fail(error, errno);
    }
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         std::string& error) {
    TAtomicFile file(path);
    return file.Open(error) && file.Write(contents, error) && file.Commit(error);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return buffer.str();
}

TFileLock::TFileLock(const std::filesystem::path& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0) {
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                break;
            }
        }
    }
}

TFileLock::~TFileLock() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

}  // namespace vokadlo
