#include "text/DecimalSeparator.h"

#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>

#include "core/EngineSettings.h"

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

char LocaleDecimalPoint(const std::string& name) {
    try {
        return std::use_facet<std::numpunct<char>>(std::locale(name)).decimal_point();
    } catch (const std::runtime_error&) {
        return '.';  // the named locale is not installed
    }
}

}  // namespace

char DecimalSeparator() {
    if (Settings.DecimalSeparator != 0) {
        return Settings.DecimalSeparator;
    }
    // Loading a locale reads its files; the answer is kept for as long as the name stays.
    struct TCache {
        std::string name;
        char separator = '.';
        bool valid = false;
    };
    static TCache cache;
    const std::string name = NumericLocaleName();
    if (!cache.valid || cache.name != name) {
        cache = {name, LocaleDecimalPoint(name), true};
    }
    return cache.separator;
}

}  // namespace vokadlo
