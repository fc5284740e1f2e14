// The decimal separator that number reading compares with ",".
#pragma once

namespace vokadlo {

// Settings.DecimalSeparator when it is set; otherwise the decimal point of the user's
// locale (LC_NUMERIC, from the environment), "." when that locale cannot be loaded.
// The locale is loaded again only when the environment names another one.
char DecimalSeparator();

}  // namespace vokadlo
