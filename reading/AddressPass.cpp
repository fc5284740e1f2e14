// E-mail and web addresses read by their parts (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadAddresses(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
