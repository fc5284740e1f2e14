// Two outputs of one run that name the same file.
#pragma once

#include <string>

namespace vokadlo::cli {

// Why the WAV output (`wav`, "-" for standard output), the trace and the images dumped into
// `dumpDir` cannot all be written: two of them are one file (also through links, or as the
// same open file), which the last to finish would leave holding the other's bytes. Empty when
// they are apart (or the same discarding null device). Empty paths are outputs switched off.
std::string OutputClash(const std::string& wav, const std::string& trace,
                        const std::string& dumpDir);

}  // namespace vokadlo::cli
