// The virtual clock tests drive the say cycle with.
#pragma once

#include "platform/VirtualClock.h"

namespace vokadlo::test {
using vokadlo::TVirtualClock;
}  // namespace vokadlo::test
