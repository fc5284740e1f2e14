// Dates and times (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadDatesAndTimes(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
