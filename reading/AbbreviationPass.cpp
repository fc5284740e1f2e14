// Abbreviations from a table (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadAbbreviations(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
