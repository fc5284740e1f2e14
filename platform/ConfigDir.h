// The one folder that holds the files a program keeps beside itself on other systems:
// the user dictionary "vokadlo.dct", the window's "vokadlo.ini" and the settings store.
#pragma once

#include <filesystem>
#include <string>

namespace vokadlo {

// The program's --config-dir option, if any; empty clears it.
void SetConfigDirOverride(const std::filesystem::path& dir);

// Resolves the configuration folder, creating it when missing: the override, else
// $VOKADLO_CONFIG_DIR, else $XDG_CONFIG_HOME/vokadlo, else ~/.config/vokadlo.
// Falls back to the current directory when no home is known.
std::filesystem::path ConfigDir();

// Why `folder` cannot hold the configuration files: "PATH: is a FIFO, not a folder (the
// configuration folder)", "PATH: <reason>"; empty when it is a folder or missing.
std::string FolderProblem(const std::filesystem::path& folder);

// Base name of the files in that folder, whatever the binary is called.
inline constexpr const char* kConfigBaseName = "vokadlo";

}  // namespace vokadlo
