// A folder of the fuzz target's own in the temporary folder, removed when the program ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vokadlo {

struct TTempFolder {
    explicit TTempFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("vokadlo-fuzz-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::filesystem::path path;
};

}  // namespace vokadlo
