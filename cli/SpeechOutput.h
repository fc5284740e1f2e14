// What vokadlo-say does with each chunk: collect it for the WAV file, dump it, trace it, print it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <memory>

#include "cli/WavWriter.h"
#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"

namespace vokadlo::cli {

class TSpeechOutput {
  public:
    // Empty paths switch an output off; `wavPath` "-" is standard output. Throws
    // std::runtime_error when a file or folder cannot be made.
    TSpeechOutput(const std::string& wavPath, const std::string& dumpDir,
                  const std::string& tracePath, std::FILE* verbose);

    // A chunk has started playing: its samples (bytes 46 to its end) go to the WAV file, its
    // image to the dump folder.
    void ChunkStarted(const std::string& display, const TMemoryStream& image);
    // A chunk was rendered: one trace line.
    void ChunkRendered(const TSayWord& record, const TMemoryStream& image, std::uint8_t slot,
                       const std::string& display);

    // Completes the WAV file (44-byte header with the sizes, mono, 16-bit, 22050 Hz) of every
    // chunk started. Without Finish no file is left behind.
    void FinishWav();

  private:
    std::filesystem::path dumpDir_;
    std::ofstream trace_;
    std::FILE* verbose_;
    std::unique_ptr<TWavWriter> wav_;
    int started_ = 0;
    int rendered_ = 0;
};

}  // namespace vokadlo::cli
