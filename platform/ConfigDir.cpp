#include "platform/ConfigDir.h"

#include <cstdlib>
#include <system_error>

namespace vokadlo {
namespace {

std::filesystem::path& Override() {
    static std::filesystem::path dir;
    return dir;
}

std::filesystem::path FromEnvironment() {
    const char* own = std::getenv("VOKADLO_CONFIG_DIR");
    if (own && *own) {
        return own;
    }
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) {
        return std::filesystem::path(xdg) / kConfigBaseName;
    }
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return std::filesystem::path(home) / ".config" / kConfigBaseName;
    }
    return ".";
}

}  // namespace

void SetConfigDirOverride(const std::filesystem::path& dir) {
    Override() = dir;
}

std::filesystem::path ConfigDir() {
    std::filesystem::path dir = Override().empty() ? FromEnvironment() : Override();
    std::error_code ignored;  // a folder that cannot be created shows up when a file is opened
    std::filesystem::create_directories(dir, ignored);
    return dir;
}

}  // namespace vokadlo
