// What vokadlo-say does with each chunk: collect it for the WAV file, dump it, trace it, print it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ChunkRecord.h"
#include "engine/MemoryStream.h"

namespace vokadlo::cli {

class TSpeechOutput {
  public:
    // Empty paths switch an output off. Throws std::runtime_error when a file or folder cannot
    // be made.
    TSpeechOutput(const std::string& dumpDir, const std::string& tracePath, std::FILE* verbose);

    // A chunk has started playing: collect its samples (bytes 46 to its end) and dump its image.
    void ChunkStarted(const std::string& display, const TMemoryStream& image);
    // A chunk was rendered: one trace line.
    void ChunkRendered(const TSayWord& record, const TMemoryStream& image, std::uint8_t slot,
                       const std::string& display);

    // One standard PCM WAV file (44-byte header, mono, 16-bit, 22050 Hz) of every chunk started.
    std::string Wav() const;
    int ChunksStarted() const { return started_; }

  private:
    std::filesystem::path dumpDir_;
    std::ofstream trace_;
    std::FILE* verbose_;
    TMemoryStream samples_;
    int started_ = 0;
    int rendered_ = 0;
};

}  // namespace vokadlo::cli
