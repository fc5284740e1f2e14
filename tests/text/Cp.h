// Test texts are written in UTF-8 and turned into the engine's code page 1250.
#pragma once

#include <string>
#include <string_view>

#include "core/CodePage.h"

namespace vokadlo::test {

inline std::string Cp(std::string_view utf8) {
    return Utf8ToCp1250(utf8);
}

}  // namespace vokadlo::test
