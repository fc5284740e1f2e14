// Placeholder until the tag reader lands.
#include "engine/SayText.h"

namespace vokadlo {

void TSayText::ParseTag(const std::string&, std::int32_t, std::int32_t&) {}

}  // namespace vokadlo
