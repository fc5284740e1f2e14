// The built-in voice: the 34 phoneme recordings compiled into the program.
#pragma once

#include "core/ResourceStore.h"

namespace vokadlo {

// The program's resource store of recordings, looked up by name ignoring ASCII case ("a" finds
// A, "ch" finds CH). Lives for the whole program; lookups allocate nothing.
const IResourceStore& BuiltinVoice();

}  // namespace vokadlo
