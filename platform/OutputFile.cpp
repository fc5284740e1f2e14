#include "platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace vokadlo {

TOutputFile::TOutputFile(std::filesystem::path path)
    : path_(std::move(path)), name_(path_.string()) {}

TOutputFile::TOutputFile(int fd, std::string name) : name_(std::move(name)), fd_(fd) {}

TOutputFile::~TOutputFile() {
    if (ownsFd_ && fd_ >= 0) {
        ::close(fd_);
    }
}

bool TOutputFile::Fail(std::string& error, int savedErrno) {
    readerGone_ = readerGone_ || savedErrno == EPIPE;
    error = name_ + ": " + std::strerror(savedErrno);
    return false;
}

bool TOutputFile::Open(std::string& error) {
    if (fd_ >= 0) {
        // A descriptor given: its bytes can be put right later only in a regular file written
        // from a known place on.
        struct stat st {};
        const int flags = ::fcntl(fd_, F_GETFL);
        const off_t at = ::lseek(fd_, 0, SEEK_CUR);
        rewritable_ = ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) && flags >= 0 &&
                      (flags & O_APPEND) == 0 && at >= 0;
        base_ = rewritable_ ? static_cast<std::uint64_t>(at) : 0;
        return true;
    }
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) {
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
            // Written into as it is, through any link to it; a FIFO waits here for its reader.
            fd_ = ::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            if (fd_ < 0) {
                return Fail(error, errno);
            }
            ownsFd_ = true;
            return true;
        }
        if (S_ISDIR(st.st_mode)) {
            error = name_ + ": is a folder, not a file";
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = name_ + ": neither a file, a character device nor a FIFO";
            return false;
        }
    } else if (errno != ENOENT) {
        return Fail(error, errno);
    }
    atomic_ = std::make_unique<TAtomicFile>(path_);
    return atomic_->Open(error);
}

bool TOutputFile::Write(std::string_view bytes, std::string& error) {
    if (atomic_) {
        return atomic_->Write(bytes, error);
    }
    int savedErrno = 0;
    return WriteAllBytes(fd_, bytes, savedErrno) || Fail(error, savedErrno);
}

bool TOutputFile::WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error) {
    if (atomic_) {
        return atomic_->WriteAt(offset, bytes, error);
    }
    int savedErrno = 0;
    return WriteAllBytes(fd_, bytes, savedErrno, static_cast<std::int64_t>(base_ + offset)) ||
           Fail(error, savedErrno);
}

bool TOutputFile::Commit(std::string& error) {
    if (atomic_) {
        return atomic_->Commit(error);
    }
    if (!ownsFd_) {
        return true;
    }
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 || Fail(error, errno);
}

}  // namespace vokadlo
