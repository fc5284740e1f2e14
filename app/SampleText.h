// The text the memo starts with: what the voice can do, in Czech.
#pragma once

#include <QString>

namespace vokadlo {

QString SampleText();

}  // namespace vokadlo
