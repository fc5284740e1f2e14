// The decimal separator that number reading compares with ",".
#pragma once

namespace vokadlo {

// Settings.DecimalSeparator when it is set; otherwise the decimal point of the user's
// locale (LC_NUMERIC, from the environment), "." when that locale cannot be loaded.
// Looks the locale up at every call (no caching, so a changed environment is seen).
char DecimalSeparator();

}  // namespace vokadlo
