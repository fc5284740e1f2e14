// Files written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vokadlo {

// Writes `contents` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. On failure the old file is untouched, the temporary file removed, and false returned
// with `error` set.
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
