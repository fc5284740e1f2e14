// Other scripts and symbols (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadOtherScripts(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
