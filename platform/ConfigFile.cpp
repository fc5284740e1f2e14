#include "platform/ConfigFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <set>

#include "platform/FileKind.h"

namespace vokadlo {
namespace {

std::string Reason(const std::filesystem::path& path, int savedErrno) {
    return path.string() + ": " + std::strerror(savedErrno);
}

std::string NotRegular(const std::filesystem::path& path, unsigned mode) {
    return path.string() + ": is " + FileKind(mode) + ", not a regular file; not read";
}

std::string TooLarge(const std::filesystem::path& path, std::uint64_t limit) {
    return path.string() + ": larger than " +
           (limit % (1 << 20) == 0 ? std::to_string(limit >> 20) + " MiB"
                                   : std::to_string(limit) + " bytes") +
           "; not read";
}

// Reads at most `limit` bytes of `fd`, and one more to tell that there are more.
bool ReadUpTo(int fd, std::uint64_t limit, std::string& contents, int& savedErrno) {
    char buffer[65536];
    while (contents.size() <= limit) {
        const std::size_t want =
            std::min<std::uint64_t>(sizeof buffer, limit + 1 - contents.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            savedErrno = errno;
            return false;
        }
        if (n == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

TConfigFileRead ReadConfigFile(const std::filesystem::path& path, std::uint64_t limit) {
    TConfigFileRead result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            result.problem = Reason(path, errno);
        }
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.problem = NotRegular(path, st.st_mode);
        return result;
    }
    if (static_cast<std::uint64_t>(st.st_size) > limit) {
        result.problem = TooLarge(path, limit);
        return result;
    }
    // Non-blocking, and checked again once open: the file may have been swapped meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            result.problem = Reason(path, errno);
        }
        return result;
    }
    std::string contents;
    int savedErrno = 0;
    if (::fstat(fd, &st) != 0) {
        result.problem = Reason(path, errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.problem = NotRegular(path, st.st_mode);
    } else if (!ReadUpTo(fd, limit, contents, savedErrno)) {
        result.problem = Reason(path, savedErrno);
    } else if (contents.size() > limit) {
        result.problem = TooLarge(path, limit);
    } else {
        result.bytes = std::move(contents);
    }
    ::close(fd);
    return result;
}

bool FirstTimeToSay(const std::string& problem) {
    static std::mutex guard;
    static std::set<std::string> said;
    const std::lock_guard lock(guard);
    return said.insert(problem).second;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::string error;
    return ReadWholeFile(path, error);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason(path, errno);
        return std::nullopt;
    }
    std::string contents;
    int savedErrno = 0;
    const bool read = ReadUpTo(fd, UINT64_MAX - 1, contents, savedErrno);
    ::close(fd);
    if (!read) {
        error = Reason(path, savedErrno);
        return std::nullopt;
    }
    return contents;
}

TFileLock::TFileLock(const std::filesystem::path& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        problem_ = Reason(lockPath, errno) + "; cannot lock";
        return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem_ = lockPath.string() + ": not a regular file; cannot lock";
        ::close(fd_);
        fd_ = -1;
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            problem_ = Reason(lockPath, errno) + "; cannot lock";
            ::close(fd_);
            fd_ = -1;
            break;
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
