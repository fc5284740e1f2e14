// Files written whole or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vokadlo {

// A file written through a temporary file beside its path ("<path>.tmp-<pid>") and renamed over
// the path by Commit, so that it appears whole or not at all. Until then the old file is
// untouched; a temporary file that is not committed is removed with the object. Every failure
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

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

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
