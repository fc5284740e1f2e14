// Files written whole or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vokadlo {

// A file written through an unnamed temporary file in the folder of its target (O_TMPFILE) that
// Commit names and renames over the target, so that it appears whole or not at all. A symbolic
// link is followed to its target, which is written (and made when missing); the link stays. Until
// Commit the old file is untouched; a writer that ends or is killed before leaves nothing behind.
// Where the file system has no unnamed files, a named temporary file (".vokadlo-XXXXXX" beside
// the target) is used, and removed with the object when not committed. A target that exists and
// is not a regular file (a folder, FIFO, socket or device) is refused by Open. Every failure
// returns false with `error` set to the path and the reason.
class TAtomicFile {
  public:
    explicit TAtomicFile(std::filesystem::path path);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Follows the links and creates the temporary file.
    bool Open(std::string& error);
    // Appends `bytes` to the temporary file.
    bool Write(std::string_view bytes, std::string& error);
    // Overwrites the temporary file's bytes from `offset` on with `bytes`.
    bool WriteAt(std::uint64_t offset, std::string_view bytes, std::string& error);
    // Flushes the temporary file to disk, closes it and puts it in place of the target.
    bool Commit(std::string& error);

  private:
    bool Fail(std::string& error, int savedErrno) const;
    bool Fail(std::string& error, const std::string& reason) const;

    std::filesystem::path path_;    // as given, for messages
    std::filesystem::path target_;  // the path with its links followed
    std::filesystem::path named_;   // the named temporary file, when the folder has no unnamed
    int fd_ = -1;
    bool committed_ = false;
};

// Writes `contents` to `path` through a TAtomicFile: on failure the old file is untouched and
// false returned with `error` set.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         std::string& error);

// Writes every byte, at `offset` when it is not negative (else at the file position), going on
// after an interrupted or short write. False with `savedErrno` set on failure.
bool WriteAllBytes(int fd, std::string_view bytes, int& savedErrno, std::int64_t offset = -1);

// `path` with every symbolic link of its last component followed, also to a target that does not
// exist yet; false with `savedErrno` set (ELOOP for a loop) when a link cannot be read.
bool FollowLinks(std::filesystem::path& path, int& savedErrno);

}  // namespace vokadlo
