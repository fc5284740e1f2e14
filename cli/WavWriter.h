// Writes the speech of a whole text as one standard PCM WAV file, as the chunks come.
#pragma once

#include <cstdint>
#include <string>

#include "platform/OutputFile.h"

namespace vokadlo::cli {

class TWavWriter {
  public:
    // "-" is standard output. A file (missing or regular; a symbolic link is followed) is
    // written through a temporary file that Finish renames over it, so that it appears whole or
    // not at all, with the sizes in its header. Standard output, a character device or a FIFO
    // gets a stream: the header first, its RIFF and data sizes 0xFFFFFFFF (unknown, as streaming
    // tools write them), then the samples as they come; when standard output is a regular file
    // Finish puts the sizes right. Throws std::runtime_error when the output cannot be opened
    // (a folder is refused). The header is written with the first samples.
    explicit TWavWriter(const std::string& path);
    TWavWriter(const TWavWriter&) = delete;
    TWavWriter& operator=(const TWavWriter&) = delete;

    // Appends 16-bit mono 22050 Hz sample bytes. Throws std::runtime_error when they cannot be
    // written, or when a file would pass the 4 GiB a WAV file can hold.
    void Append(const std::uint8_t* bytes, std::size_t count);

    // Writes the final sizes where they can go and puts a file in place.
    void Finish();

    // True after a write failed because the reader of the stream has gone.
    bool ReaderGone() const { return out_.ReaderGone(); }

    // The header of a file holding `dataBytes` bytes of samples.
    static std::string Header(std::uint32_t dataBytes);

  private:
    void WriteHeaderOnce();

    TOutputFile out_;
    std::uint64_t dataBytes_ = 0;
    bool headerWritten_ = false;
};

}  // namespace vokadlo::cli
