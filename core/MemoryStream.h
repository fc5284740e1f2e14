// A growable in-memory byte buffer: WAV images, recordings and sample buffers.
#pragma once

#include <cstdint>
#include <vector>

namespace vokadlo {

// Bytes of a WAV image or of 16-bit little-endian samples. Buffers of the synthesis only grow
// and are reused; `clear()` keeps their capacity.
using TMemoryStream = std::vector<std::uint8_t>;

}  // namespace vokadlo
