#include "text/DecimalSeparator.h"

#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>

#include "engine/EngineSettings.h"

namespace vokadlo {
namespace {

// The locale name that decides LC_NUMERIC, as the C library resolves it.
std::string NumericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return value;
        }
    }
    return "C";
}

}  // namespace

char DecimalSeparator() {
    if (Settings.DecimalSeparator != 0) {
        return Settings.DecimalSeparator;
    }
    try {
        const std::locale user(NumericLocaleName());
        return std::use_facet<std::numpunct<char>>(user).decimal_point();
    } catch (const std::runtime_error&) {
        return '.';  // the named locale is not installed
    }
}

}  // namespace vokadlo
