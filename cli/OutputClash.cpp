#include "cli/OutputClash.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <optional>

#include "platform/AtomicFile.h"

namespace vokadlo::cli {
namespace {

// A file as the system knows it: its device and inode when it exists, else the path it would
// be made at (links followed, folders resolved).
struct TIdentity {
    std::optional<std::pair<dev_t, ino_t>> node;
    std::filesystem::path place;
    bool discards = false;  // the null device

    bool operator==(const TIdentity& other) const {
        return node ? node == other.node : !other.node && place == other.place;
    }
};

TIdentity FromStat(const struct stat& st) {
    TIdentity identity;
    identity.node = std::make_pair(st.st_dev, st.st_ino);
    identity.discards = S_ISCHR(st.st_mode) && st.st_rdev == makedev(1, 3);
    return identity;
}

TIdentity IdentityOf(const std::string& output) {
    struct stat st {};
    if (output == "-" ? ::fstat(STDOUT_FILENO, &st) == 0 : ::stat(output.c_str(), &st) == 0) {
        return FromStat(st);
    }
    std::filesystem::path place = output;
    int ignored = 0;
    FollowLinks(place, ignored);
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(place, error);
    TIdentity identity;
    identity.place = error ? std::filesystem::absolute(place, error) : resolved;
    return identity;
}

// "0001.wav" ... the names images are dumped under.
bool DumpName(const std::string& name) {
    const std::size_t dot = name.size() >= 8 ? name.size() - 4 : 0;
    if (dot == 0 || name.compare(dot, 4, ".wav") != 0) {
        return false;
    }
    for (std::size_t i = 0; i < dot; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

// True when `output` would be one of the images dumped into `dumpDir`.
bool InDumpFolder(const std::string& output, const std::string& dumpDir) {
    if (output == "-") {
        return false;
    }
    std::filesystem::path place = output;
    int ignored = 0;
    FollowLinks(place, ignored);
    return DumpName(place.filename().string()) &&
           IdentityOf(place.parent_path().empty() ? "." : place.parent_path().string()) ==
               IdentityOf(dumpDir);
}

std::string Clash(const std::string& first, const std::string& second, const std::string& name) {
    return first + " and " + second + " both name " + name + "; give each output its own file";
}

}  // namespace

std::string OutputClash(const std::string& wav, const std::string& trace,
                        const std::string& dumpDir) {
    if (!wav.empty() && !trace.empty()) {
        const TIdentity a = IdentityOf(wav);
        if (a == IdentityOf(trace) && !a.discards) {
            return Clash("-w", "--trace", wav == "-" ? "standard output" : wav);
        }
    }
    if (!dumpDir.empty()) {
        if (!wav.empty() && InDumpFolder(wav, dumpDir)) {
            return Clash("-w", "--dump-images", wav);
        }
        if (!trace.empty() && InDumpFolder(trace, dumpDir)) {
            return Clash("--trace", "--dump-images", trace);
        }
    }
    return {};
}

}  // namespace vokadlo::cli
