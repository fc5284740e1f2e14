// Placeholder until the settings store reader lands.
#include "engine/SayText.h"

namespace vokadlo {

void TSayText::ReadEngineSettings() {}

}  // namespace vokadlo
