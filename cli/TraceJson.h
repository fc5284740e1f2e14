// One JSON line describing a rendered chunk, for --trace.
#pragma once

#include <cstdint>
#include <string>

#include "core/ChunkRecord.h"

namespace vokadlo::cli {

// `record` as the prosody left it; texts are code page 1250 and written as UTF-8.
std::string TraceLine(int chunk, std::uint8_t slot, const std::string& display,
                      const TSayWord& record, std::size_t imageBytes);

}  // namespace vokadlo::cli
