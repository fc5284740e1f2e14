// Counts the program's heap allocations, so that a benchmark can show that steady-state
// rendering allocates nothing.
#pragma once

#include <cstdint>

namespace vokadlo::bench {

// Allocations made through operator new since the program started.
std::uint64_t AllocationCount();

}  // namespace vokadlo::bench
