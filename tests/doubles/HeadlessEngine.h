// The engine over silent services, for fuzzers and benchmarks that drive its preparation.
#pragma once

#include <string>

#include "engine/SayText.h"

namespace vokadlo::test {

// Installs once a silent player, a voice of one silent recording A, an empty settings store and
// a private configuration folder (temp/vokadlo-<name>), then returns GetSayText().
TSayText& HeadlessEngine(const std::string& name);

}  // namespace vokadlo::test
