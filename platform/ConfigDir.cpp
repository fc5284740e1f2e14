#include "platform/ConfigDir.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "platform/FileKind.h"

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

std::string FolderProblem(const std::filesystem::path& folder) {
    struct stat st {};
    const std::filesystem::path named = folder.empty() ? std::filesystem::path(".") : folder;
    if (::stat(named.c_str(), &st) != 0) {
        return errno == ENOENT ? std::string() : named.string() + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        const std::string kind = S_ISREG(st.st_mode) ? "a file" : FileKind(st.st_mode);
        return named.string() + ": is " + kind + ", not a folder (the configuration folder)";
    }
    return {};
}

}  // namespace vokadlo
