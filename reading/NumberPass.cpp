// Numbers with what follows them (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadNumbers(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
