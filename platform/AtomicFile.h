// Files written whole or not at all, and the outputs a user names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vokadlo {

// A file written through a temporary file beside its path ("<path>.tmp-<pid>") and renamed over
// the path by Commit, so that it appears whole or not at all. Until then the old file is
// untouched; a temporary file that is not committed is removed with the object, and Open removes
// the temporary files of the same path that writers no longer alive left behind. Every failure
// returns false with `error` set to the path and the reason.
class TAtomicFile {
  public:
    explicit TAtomicFile(std::filesystem::path path);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Creates the temporary file.
    bool Open(std::string& error);
    // Appends `bytes` to the temporary file.
    bool Write(std::string_view bytes, std::string& error);
    // Overwrites the temporary file's bytes from `offset` on with `bytes`.
    bool WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error);
    // Flushes the temporary file to disk, closes it and renames it over the path.
    bool Commit(std::string& error);

  private:
    bool Fail(std::string& error, int savedErrno) const;

    std::filesystem::path path_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool committed_ = false;
};

// Writes `contents` to `path` through a TAtomicFile: on failure the old file is untouched, the
// temporary file removed, and false returned with `error` set.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         std::string& error);

// An output a user named. A path that is missing or a regular file is written through a
// TAtomicFile, whole or not at all; a symbolic link is followed to its target, which is written
// so (and made when missing). A character device or a FIFO is written into directly, as the
// bytes come, and stays what it was. A folder, or any other kind of file, is refused by Open.
// Standard output (or another descriptor the object does not own) is written into directly.
class TOutputFile {
  public:
    explicit TOutputFile(std::filesystem::path path);
    // A descriptor that stays open after the object; `name` is how messages call it.
    TOutputFile(int fd, std::string name);
    ~TOutputFile();
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;

    // Opens the output, or says why it cannot be written.
    bool Open(std::string& error);
    bool Write(std::string_view bytes, std::string& error);
    // True for a file made whole by Commit (not a stream the bytes have already gone into).
    bool Whole() const { return atomic_ != nullptr; }
    // True when bytes written can be overwritten: a file, or a descriptor on a regular file
    // that is not in append mode.
    bool Rewritable() const { return atomic_ || rewritable_; }
    // Overwrites bytes from `offset` on, counted from the first byte written through the object.
    bool WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error);
    // Puts a file in place; closes a device or FIFO; a descriptor not owned stays open.
    bool Commit(std::string& error);
    // True after a write failed because the reader of a pipe or FIFO has gone.
    bool ReaderGone() const { return readerGone_; }
    // The path as given, or the name of the descriptor.
    const std::string& Name() const { return name_; }

  private:
    bool Fail(std::string& error, int savedErrno);

    std::filesystem::path path_;
    std::string name_;
    std::unique_ptr<TAtomicFile> atomic_;
    int fd_ = -1;
    bool ownsFd_ = false;
    bool rewritable_ = false;
    std::uint64_t base_ = 0;  // offset of the descriptor's first byte written by the object
    bool readerGone_ = false;
};

// Reads a whole file; nullopt when it cannot be opened or read (a folder cannot be read).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// The same, with `error` set to the path and the reason on failure.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error);

// An exclusive advisory lock (flock) on a lock file, held for the object's lifetime. Writers of
// the same file take it so that two programs never interleave a read-modify-write.
class TFileLock {
  public:
    explicit TFileLock(const std::filesystem::path& lockPath);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    bool Locked() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace vokadlo
