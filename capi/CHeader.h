// vokadlo.h for the library's own C++ sources. In C++ the handle's name "vokadlo" would clash
// with the project's namespace, so here the handle's struct is called vokadlo_handle; the C
// calls keep their names, and C linkage does not carry the struct's name.
#pragma once

#define vokadlo vokadlo_handle
#include "capi/vokadlo.h"
#undef vokadlo
