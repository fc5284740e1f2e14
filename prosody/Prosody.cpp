// Placeholder until the prosody lands.
#include "prosody/Prosody.h"

namespace vokadlo {

void ApplyProsody(TSayWord&, std::int32_t, bool&) {}

}  // namespace vokadlo
