// Allophone choice: which recording each unit of a chunk plays.
#pragma once

#include "core/ChunkRecord.h"

namespace vokadlo {

// Rewrites `Sample` of units 1..CharCount by the first allophone rule that matches the unit's
// `Letter` and `Next`; a unit no rule matches keeps its `Sample`. May allocate (short strings).
void ChooseAllophones(TSayWord& word);

}  // namespace vokadlo
