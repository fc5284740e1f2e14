// Malformed SSML read as plain text: the markup removed, the marks and breaks that can be
// recognised kept, XML's character references decoded where they are whole.
#pragma once

#include <string_view>

#include "ssml/SsmlWriter.h"

namespace vokadlo::ssml {

void ReadMalformed(std::string_view document, TSsmlWriter& out);

}  // namespace vokadlo::ssml
