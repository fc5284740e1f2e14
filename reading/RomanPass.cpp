// Names with Roman numerals (not yet read: the tokens stay as they are).
#include "reading/Passes.h"

namespace vokadlo {

void ReadRomanNumerals(TTokenList& /*tokens*/) {}

}  // namespace vokadlo
