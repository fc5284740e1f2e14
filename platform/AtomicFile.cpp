#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

#include "platform/FileKind.h"

namespace vokadlo {
namespace {

constexpr int kMaxLinks = 40;    // as the kernel: a longer chain of symbolic links is a loop
constexpr int kNameTries = 100;  // random temporary names tried before giving up

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// A short name beside `target` that is not in use yet, for a temporary file: short, so that a
// target whose name is as long as a name may be still has room for it.
std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::minstd_rand random(static_cast<unsigned>(::getpid()) ^ std::random_device{}());
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".vokadlo-";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[random() % (sizeof kLetters - 1)];
    }
    return FolderOf(target) / name;
}

// Gives the unnamed file `fd` the name `to`; without /proc, through the descriptor itself
// (which needs a privilege most users lack).
int LinkUnnamed(int fd, const std::filesystem::path& to) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return 0;
    }
    if (errno != ENOENT || ::access("/proc/self/fd", F_OK) == 0) {
        return -1;
    }
    return ::linkat(fd, "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH);
}

}  // namespace

bool WriteAllBytes(int fd, std::string_view bytes, int& savedErrno, std::int64_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = offset >= 0
                              ? ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset))
                              : ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            savedErrno = n < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        if (offset >= 0) {
            offset += n;
        }
    }
    return true;
}

bool FollowLinks(std::filesystem::path& path, int& savedErrno) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return true;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            savedErrno = error.value();
            return false;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    savedErrno = ELOOP;
    return false;
}

TAtomicFile::TAtomicFile(std::filesystem::path path) : path_(std::move(path)) {}

TAtomicFile::~TAtomicFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !named_.empty()) {
        ::unlink(named_.c_str());
    }
}

bool TAtomicFile::Fail(std::string& error, int savedErrno) const {
    return Fail(error, std::strerror(savedErrno));
}

bool TAtomicFile::Fail(std::string& error, const std::string& reason) const {
    error = path_.string() + ": " + reason;
    return false;
}

bool TAtomicFile::Open(std::string& error) {
    target_ = path_;
    int savedErrno = 0;
    if (!FollowLinks(target_, savedErrno)) {
        return Fail(error, savedErrno);
    }
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            return Fail(error, std::string("is ") + FileKind(st.st_mode) + ", not a file to write");
        }
    } else if (errno != ENOENT) {
        return Fail(error, errno);
    }
    fd_ = ::open(FolderOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // No unnamed files here: a named one that a killed writer would leave behind.
        for (int i = 0; i < kNameTries && fd_ < 0; ++i) {
            named_ = TemporaryName(target_);
            fd_ = ::open(named_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
        if (fd_ < 0) {
            named_.clear();
        }
    }
    if (fd_ < 0) {
        return Fail(error, errno);
    }
    if (S_ISREG(st.st_mode)) {
        ::fchmod(fd_, st.st_mode & 07777);  // a file replaced keeps its permissions
    }
    return true;
}

bool TAtomicFile::Write(std::string_view bytes, std::string& error) {
    int savedErrno = 0;
    return WriteAllBytes(fd_, bytes, savedErrno) || Fail(error, savedErrno);
}

bool TAtomicFile::WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error) {
    int savedErrno = 0;
    return WriteAllBytes(fd_, bytes, savedErrno, static_cast<std::int64_t>(offset)) ||
           Fail(error, savedErrno);
}

bool TAtomicFile::Commit(std::string& error) {
    // The data and the size reach the disk before the name does (the file's times need not:
    // for a long WAV, fsync's extra journal work cost as much CPU as writing the file).
    if (::fdatasync(fd_) != 0) {
        return Fail(error, errno);
    }
    std::filesystem::path named = named_;
    if (named.empty()) {
        // A name is linked to the unnamed file and renamed over the target: rename replaces
        // an old file in one step, which a link cannot.
        int result = -1;
        for (int i = 0; i < kNameTries && result != 0; ++i) {
            named = TemporaryName(target_);
            result = LinkUnnamed(fd_, named);
            if (result != 0 && errno != EEXIST) {
                break;
            }
        }
        if (result != 0) {
            return Fail(error, errno);
        }
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(named.c_str(), target_.c_str()) != 0) {
        const int savedErrno = errno;
        ::unlink(named.c_str());
        named_.clear();
        return Fail(error, savedErrno);
    }
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         std::string& error) {
    TAtomicFile file(path);
    return file.Open(error) && file.Write(contents, error) && file.Commit(error);
}

}  // namespace vokadlo
