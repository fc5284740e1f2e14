// Reading the small files a user keeps in the configuration folder (the settings store, the
// window's profile, the user dictionary), and locking them for a read-modify-write.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vokadlo {

// Real configuration files are a few KiB; anything past this is not one.
inline constexpr std::uint64_t kConfigFileLimit = 1 << 20;

struct TConfigFileRead {
    std::optional<std::string> bytes;  // the contents; nullopt when missing or refused
    // Empty when read or missing; else why the file is not read, naming it: "PATH: is a FIFO,
    // not a regular file; not read", "PATH: larger than 1 MiB; not read", "PATH: <reason>".
    std::string problem;
};

// Reads a configuration file whole. Only a regular file (after following symbolic links) is
// opened, so that a FIFO, socket or device in its place never blocks or feeds the program
// without end; a file larger than `limit` bytes is refused. A missing file (also a link whose
// target is missing) is neither read nor a problem.
TConfigFileRead ReadConfigFile(const std::filesystem::path& path,
                               std::uint64_t limit = kConfigFileLimit);

// True the first time the process is given `problem`: a notice about a file is shown once, not
// at every reading of it.
bool FirstTimeToSay(const std::string& problem);

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
    // Why the lock could not be taken ("PATH: reason"); empty when locked.
    const std::string& Problem() const { return problem_; }

  private:
    int fd_ = -1;
    std::string problem_;
};

}  // namespace vokadlo
