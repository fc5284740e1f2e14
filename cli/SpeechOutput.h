// What vokadlo-say does with each chunk: collect it for the WAV file, dump it, trace it, print it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/WavWriter.h"
#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "platform/OutputFile.h"

namespace vokadlo::cli {

class TSpeechOutput {
  public:
    // Empty paths switch an output off; `wavPath` "-" is standard output. The WAV and the trace
    // are written as TOutputFile does (a file whole or not at all, a device or FIFO as the bytes
    // come). Throws std::runtime_error when an output cannot be opened or a folder made.
    TSpeechOutput(const std::string& wavPath, const std::string& dumpDir,
                  const std::string& tracePath, std::FILE* verbose);

    // A chunk has started playing: its samples (bytes 46 to its end) go to the WAV file, its
    // image to the dump folder, its text to `verbose`. Throws std::runtime_error when a write
    // fails.
    void ChunkStarted(const std::string& display, const TMemoryStream& image);
    // A chunk was rendered: one trace line. Throws std::runtime_error when the write fails.
    void ChunkRendered(const TSayWord& record, const TMemoryStream& image, std::uint8_t slot,
                       const std::string& display);

    // Completes the WAV file (44-byte header with the sizes, mono, 16-bit, 22050 Hz) of every
    // chunk started and the trace, and puts files in place. Without Finish no file is left
    // behind. Throws std::runtime_error when a write or close fails.
    void Finish();

    // True after a write failed because the reader of a pipe or FIFO has gone.
    bool ReaderGone() const;

  private:
    void Print(const std::string& line);

    std::filesystem::path dumpDir_;
    std::unique_ptr<TOutputFile> trace_;
    std::FILE* verbose_;
    std::unique_ptr<TWavWriter> wav_;
    int started_ = 0;
    int rendered_ = 0;
    bool verboseReaderGone_ = false;
};

}  // namespace vokadlo::cli
