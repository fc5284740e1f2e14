// The recordings compiled into the program (generated from voice/*.wav at build time).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vokadlo {

struct TEmbeddedWav {
    std::string_view name;                // upper-case file name without ".wav": "A", "CH", "ZV"
    std::span<const std::uint8_t> bytes;  // the whole file
};

// Every embedded recording, sorted by name; empty when the build found no recordings.
std::span<const TEmbeddedWav> EmbeddedWavs();

}  // namespace vokadlo
