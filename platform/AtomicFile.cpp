#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace vokadlo {
namespace {

constexpr std::string_view kTempMark = ".tmp-";
constexpr int kMaxLinks = 40;  // as the kernel: a longer chain of symbolic links is a loop

std::string Reason(const std::filesystem::path& path, int savedErrno) {
    return path.string() + ": " + std::strerror(savedErrno);
}

// Writes every byte, at `offset` when one is given (else at the file position), going on after
// an interrupted or short write.
bool WriteAll(int fd, std::string_view bytes, int& savedErrno,
              std::optional<std::uint64_t> offset = std::nullopt) {
    while (!bytes.empty()) {
        const ssize_t n =
            offset ? ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(*offset))
                   : ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            savedErrno = n < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        if (offset) {
            *offset += static_cast<std::uint64_t>(n);
        }
    }
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

std::optional<timespec> ModifiedAt(const std::filesystem::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return st.st_mtim;
}

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The temporary files found in a folder this process writes into, by the name of the file each
// is for, and the folder's modification time after the process's own last change there. While
// the folder keeps that time nothing else has added to it, so writing many files into one
// folder (the chunk dumps) reads it once.
struct TFolderTemporaries {
    timespec changed{};
    std::map<std::string, std::vector<std::pair<pid_t, std::string>>> byFile;
};

std::map<std::filesystem::path, TFolderTemporaries>& KnownFolders() {
    static std::map<std::filesystem::path, TFolderTemporaries> folders;
    return folders;
}

// Splits "<file>.tmp-<pid>" into the file's name and the writer's process id.
std::optional<std::pair<std::string, pid_t>> TemporaryOf(std::string_view entry) {
    const std::size_t mark = entry.rfind(kTempMark);
    if (mark == std::string_view::npos || mark == 0) {
        return std::nullopt;
    }
    const std::string_view digits = entry.substr(mark + kTempMark.size());
    if (digits.empty() || digits.size() > 9) {
        return std::nullopt;
    }
    pid_t pid = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        pid = pid * 10 + (c - '0');
    }
    return std::make_pair(std::string(entry.substr(0, mark)), pid);
}

TFolderTemporaries ListTemporaries(const std::filesystem::path& folder, const timespec& changed) {
    TFolderTemporaries found;
    found.changed = changed;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return found;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (const auto temporary = TemporaryOf(entry->d_name)) {
            found.byFile[temporary->first].emplace_back(temporary->second, entry->d_name);
        }
    }
    ::closedir(dir);
    return found;
}

bool WriterGone(pid_t pid) {
    return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of `file` whose writers are no longer alive (killed before they
// could remove them). A writer that is alive keeps its file.
void RemoveDeadWritersTemporaries(const std::filesystem::path& file) {
    const std::filesystem::path folder = FolderOf(file);
    const std::optional<timespec> now = ModifiedAt(folder);
    if (!now) {
        return;
    }
    auto& folders = KnownFolders();
    auto known = folders.find(folder);
    if (known == folders.end() || !SameTime(known->second.changed, *now)) {
        known = folders.insert_or_assign(folder, ListTemporaries(folder, *now)).first;
    }
    const auto temporaries = known->second.byFile.find(file.filename().string());
    if (temporaries == known->second.byFile.end()) {
        return;
    }
    auto& list = temporaries->second;
    std::erase_if(list, [&](const std::pair<pid_t, std::string>& temporary) {
        return WriterGone(temporary.first) &&
               (::unlink((folder / temporary.second).c_str()) == 0 || errno == ENOENT);
    });
    if (list.empty()) {
        known->second.byFile.erase(temporaries);
    }
}

// Records the folder's time after a change of this process's own, so that it is not read again.
void NoteOwnChange(const std::filesystem::path& file) {
    const std::filesystem::path folder = FolderOf(file);
    auto& folders = KnownFolders();
    const auto known = folders.find(folder);
    if (known != folders.end()) {
        if (const std::optional<timespec> now = ModifiedAt(folder)) {
            known->second.changed = *now;
        }
    }
}

// `path` with every symbolic link of its last component followed, also to a target that does
// not exist yet.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path, int& savedErrno) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return path;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            savedErrno = error.value();
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    savedErrno = ELOOP;
    return std::nullopt;
}

}  // namespace

TAtomicFile::TAtomicFile(std::filesystem::path path) : path_(std::move(path)) {
    temp_ = path_;
    temp_ += std::string(kTempMark) + std::to_string(::getpid());
}

TAtomicFile::~TAtomicFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !temp_.empty() && ::unlink(temp_.c_str()) == 0) {
        NoteOwnChange(path_);
    }
}

bool TAtomicFile::Fail(std::string& error, int savedErrno) const {
    error = Reason(path_, savedErrno);
    return false;
}

bool TAtomicFile::Open(std::string& error) {
    RemoveDeadWritersTemporaries(path_);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        return Fail(error, errno);
    }
    NoteOwnChange(path_);
    return true;
}

bool TAtomicFile::Write(std::string_view bytes, std::string& error) {
    int savedErrno = 0;
    return WriteAll(fd_, bytes, savedErrno) || Fail(error, savedErrno);
}

bool TAtomicFile::WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error) {
    int savedErrno = 0;
    return WriteAll(fd_, bytes, savedErrno, offset) || Fail(error, savedErrno);
}

bool TAtomicFile::Commit(std::string& error) {
    // The data and the size reach the disk before the name does (the file's times need not:
    // for a long WAV, fsync's extra journal work cost as much CPU as writing the file).
    if (::fdatasync(fd_) != 0) {
        return Fail(error, errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        return Fail(error, errno);
    }
    committed_ = true;
    NoteOwnChange(path_);
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         std::string& error) {
    TAtomicFile file(path);
    return file.Open(error) && file.Write(contents, error) && file.Commit(error);
}

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
    int linkErrno = 0;
    const std::optional<std::filesystem::path> target = FollowLinks(path_, linkErrno);
    if (!target) {
        return Fail(error, linkErrno);
    }
    atomic_ = std::make_unique<TAtomicFile>(*target);
    return atomic_->Open(error);
}

bool TOutputFile::Write(std::string_view bytes, std::string& error) {
    if (atomic_) {
        return atomic_->Write(bytes, error);
    }
    int savedErrno = 0;
    return WriteAll(fd_, bytes, savedErrno) || Fail(error, savedErrno);
}

bool TOutputFile::WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error) {
    if (atomic_) {
        return atomic_->WriteAt(offset, bytes, error);
    }
    int savedErrno = 0;
    return WriteAll(fd_, bytes, savedErrno, base_ + offset) || Fail(error, savedErrno);
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
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = Reason(path, errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return contents;
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
