// Compiled by the tests, not built: a literal with a character code page 1250 lacks must stop
// the build, while the same file with Czech letters only compiles.
#include "core/Cp1250Literal.h"

using namespace vokadlo;

#ifdef VOKADLO_MISSING_CHARACTER
constexpr std::string_view kText = "mañana"_cp;
#else
constexpr std::string_view kText = "máňa"_cp;
#endif
