// The outputs a user names: a file written whole, or a device, FIFO or descriptor as the bytes
// come.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/AtomicFile.h"

namespace vokadlo {

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

}  // namespace vokadlo
