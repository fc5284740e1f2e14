// Writes the speech of a whole text as one standard PCM WAV file, as the chunks come.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace vokadlo::cli {

class TWavWriter {
  public:
    // "-" writes to standard output (kept in memory until Finish, so that the header can carry
    // the sizes); any other path is written through a temporary file beside it, renamed over it
    // by Finish, so the file appears whole or not at all. Throws std::runtime_error.
    explicit TWavWriter(std::string path);
    TWavWriter(const TWavWriter&) = delete;
    TWavWriter& operator=(const TWavWriter&) = delete;

    // Appends 16-bit mono 22050 Hz sample bytes. Throws std::runtime_error when they cannot be
    // written or would pass the 4 GiB a WAV file can hold.
    void Append(const std::uint8_t* bytes, std::size_t count);

    // Writes the 44-byte header with the final sizes and puts the file in place.
    void Finish();

    // The header of a file holding `dataBytes` bytes of samples.
    static std::string Header(std::uint32_t dataBytes);

  private:
    std::string path_;
    std::optional<TAtomicFile> file_;     // a file; an unfinished one is removed with the writer
    std::vector<std::uint8_t> buffered_;  // standard output only
    std::uint64_t dataBytes_ = 0;
};

}  // namespace vokadlo::cli
