// vokadlo-settings: lists, reads and changes the voice settings the engine takes from its
// settings store, the way a separate settings application would.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>

#include "core/CodePage.h"
#include "core/ParseInt.h"
#include "engine/SayText.h"
#include "engine/StoredSettings.h"
#include "engine/Voices.h"
#include "platform/ConfigDir.h"
#include "platform/ConfigFile.h"
#include "platform/RegSettingsStore.h"

namespace vokadlo::cli {
namespace {

std::string Show(const TRegValue& value) {
    if (const auto* number = std::get_if<std::uint32_t>(&value)) {
        return std::to_string(static_cast<std::int32_t>(*number)) + " (dword)";
    }
    if (const auto* text = std::get_if<TRegText>(&value)) {
        return "\"" + text->utf8 + "\"" + (text->expandable ? " (expandable)" : "");
    }
    return std::get<TRegOther>(value).raw + " (other type)";
}

// The value the engine reads by that name (names ignore ASCII case, as in the store).
const TStoredSetting* Known(const std::string& name) {
    for (const TStoredSetting& setting : kStoredSettings) {
        if (EqualsIgnoringAsciiCase(name, setting.name)) {
            return &setting;
        }
    }
    return nullptr;
}

std::optional<TRegValue> Stored(TRegSettingsStore& store, const std::string& name) {
    std::optional<TRegValue> found;
    for (TRegEntry& entry : store.List()) {
        if (EqualsIgnoringAsciiCase(entry.name, name)) {
            found = std::move(entry.value);  // the last one wins, as the engine reads it
        }
    }
    return found;
}

std::string Range(const TStoredSetting& setting) {
    return setting.isSwitch ? std::string("True or False")
                            : std::to_string(setting.min) + ".." + std::to_string(setting.max);
}

// Why `value` is refused for `setting`, or empty when it is within the range.
std::string Refusal(const TStoredSetting& setting, const std::string& value) {
    if (setting.isSwitch) {
        return value == "True" || value == "False" ? std::string() : "must be True or False";
    }
    std::int32_t number = 0;
    if (!TryParseInt32(value, number) || number < setting.min || number > setting.max) {
        return "must be a whole number in " + Range(setting);
    }
    return {};
}

// Why the store file cannot be read ("path: reason"), or empty; a missing file is an empty store.
// Only a regular file of at most 1 MiB is read: a FIFO or device in its place is never opened.
std::string StoreProblem(const std::filesystem::path& file) {
    if (std::string problem = FolderProblem(file.parent_path()); !problem.empty()) {
        return problem;
    }
    return ReadConfigFile(file).problem;
}

// Every name the engine reads, for the message that refuses an unknown one.
std::string KnownNames() {
    std::string names = kChangeFlag;
    for (const TStoredSetting& setting : kStoredSettings) {
        names += std::string(", ") + setting.name;
    }
    return names;
}

// What was printed must have reached standard output (a full disk, a closed pipe); a run that
// failed already keeps its status.
int Flushed(int status) {
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0) {
        return status;
    }
    if (status != 0) {
        return status;
    }
    std::cerr << "vokadlo-settings: standard output: " << std::strerror(errno ? errno : EIO)
              << '\n';
    return 1;
}

// Every value the engine reads, stored or default, with its range; then any other value.
int List(TRegSettingsStore& store, int voice) {
    for (const TStoredSetting& setting : kStoredSettings) {
        const std::optional<TRegValue> value = Stored(store, setting.name);
        std::cout << setting.name << " = "
                  << (value ? Show(*value)
                            : "\"" + StoredDefault(setting, voice) + "\" (default, not stored)")
                  << "  [" << Range(setting) << ": " << setting.meaning << "]\n";
    }
    for (const TRegEntry& entry : store.List()) {
        if (!Known(entry.name)) {
            std::cout << entry.name << " = " << Show(entry.value) << '\n';
        }
    }
    return 0;
}

// Reads the store as the engine does and says where and why the reading would stop.
int Check(TRegSettingsStore& store) {
    try {
        const std::int32_t changed = store.ReadInteger(kChangeFlag);
        std::cout << kChangeFlag << " = " << changed
                  << (changed ? " (the engine reads the values at its next text)\n"
                              : " (the engine reads the values once, at its first text)\n");
    } catch (const ESettingsStoreError& e) {
        std::cout << kChangeFlag << ": " << e.what() << "\nthe engine reads no value\n";
        return 1;
    }
    for (const TStoredSetting& setting : kStoredSettings) {
        std::string text;
        try {
            text = store.ReadString(setting.name);
            if (!setting.isSwitch) {
                ParseInt(text);
            }
        } catch (const std::exception& e) {
            std::cout << setting.name << ": " << e.what()
                      << "\nthe engine stops reading here; this and later values keep their "
                         "previous values\n";
            return 1;
        }
        const std::string refusal = Refusal(setting, text);
        std::cout << setting.name << " = \"" << text << "\""
                  << (refusal.empty() ? "" : " (outside the usual range: " + refusal + ")") << '\n';
    }
    std::cout << "the engine reads every value\n";
    return 0;
}

int Run(int argc, char** argv) {
    CLI::App app{
        "Lists, reads and changes the voice settings of Vokadlo in its settings store.\n"
        "A set raises Values_Changed, so the engine reads the values at its next text."};
    app.name("vokadlo-settings");
    std::string configDir;
    int voice = 1;
    app.add_option("--config-dir", configDir, "Folder of the settings file settings.reg")
        ->check([](const std::string& dir) {
            return dir.empty() ? std::string("an empty name is no folder") : std::string();
        });
    app.add_option("--voice", voice, "Voice 1 (VEMIRa), 2 (VEMIRuska) or 3 (VEMIR)")
        ->check(CLI::Range(1, 3));
    app.require_subcommand(1);

    CLI::App* list =
        app.add_subcommand("list", "List every value the engine reads (stored or default)");
    CLI::App* check = app.add_subcommand("check", "Read the values as the engine does");
    std::string name;
    CLI::App* get = app.add_subcommand("get", "Print one value (the default when not stored)");
    get->add_option("NAME", name, "Value name")->required();
    std::string value;
    bool dword = false;
    bool force = false;
    CLI::App* set = app.add_subcommand("set", "Store a value and raise Values_Changed");
    set->add_option("NAME", name, "Value name")->required();
    set->add_option("VALUE", value, "Value (text, or a whole number with --dword)")->required();
    set->add_flag("--dword", dword, "Store a 32-bit integer instead of text");
    set->add_flag("--force", force, "Store a value outside the range the engine's tools offer");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << "vokadlo-settings: " << e.what() << '\n';
        return 2;
    }

    if (!configDir.empty()) {
        SetConfigDirOverride(configDir);
    }
    // A store that cannot be read is not shown, checked or changed as if it were empty.
    if (const std::string problem = StoreProblem(TRegSettingsStore::DefaultFile());
        !problem.empty()) {
        std::cerr << "vokadlo-settings: " << problem << '\n';
        return 1;
    }
    TRegSettingsStore store(TRegSettingsStore::DefaultFile());
    store.OpenKey(SettingsKeyFor(VoiceFor(voice).name));
    const TStoredSetting* known = Known(name);
    if (*set && EqualsIgnoringAsciiCase(name, kChangeFlag)) {
        // The engine reads the flag as a 32-bit integer: text, or any other number, would stop
        // it from reading the store at all.
        if (value != "0" && value != "1") {
            std::cerr << "vokadlo-settings: " << kChangeFlag << " must be 0 or 1\n";
            return 2;
        }
        name = kChangeFlag;
        dword = true;
    } else if (*set && !known && !force) {
        std::cerr << "vokadlo-settings: the engine reads no value \"" << name
                  << "\" (--force stores it anyway); it reads " << KnownNames() << '\n';
        return 2;
    } else if (known) {
        name = known->name;  // stored as the engine's tools spell it
    }

    try {
        if (*list) {
            return List(store, voice);
        }
        if (*check) {
            return Check(store);
        }
        if (*get) {
            if (const std::optional<TRegValue> stored = Stored(store, name)) {
                std::cout << Show(*stored) << '\n';
            } else if (known) {
                std::cout << '"' << StoredDefault(*known, voice)
                          << "\" (default: not stored; the engine uses this value)\n";
            } else {
                std::cerr << "vokadlo-settings: no value \"" << name << "\" in " << store.Section()
                          << '\n';
                return 1;
            }
            return 0;
        }
        if (known && !dword && !force) {
            const std::string refusal = Refusal(*known, value);
            if (!refusal.empty()) {
                std::cerr << "vokadlo-settings: " << name << " " << refusal
                          << " (--force stores it anyway)\n";
                return 2;
            }
        }
        if (dword) {
            std::int32_t number = 0;
            if (!TryParseInt32(value, number)) {
                std::cerr << "vokadlo-settings: '" << value << "' is not a 32-bit integer\n";
                return 2;
            }
            store.WriteInteger(name, number);
        } else {
            store.WriteText(name, value);
        }
        if (name != kChangeFlag) {
            // The engine reads every value once the flag is up, and a missing one reads as 0
            // (a missing volume silences it): store the engine's own value for each first.
            for (const TStoredSetting& setting : kStoredSettings) {
                if (!Stored(store, setting.name)) {
                    store.WriteText(setting.name, StoredDefault(setting, voice));
                }
            }
            store.WriteInteger(kChangeFlag, 1);
        }
    } catch (const ESettingsStoreError& e) {
        std::cerr << "vokadlo-settings: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace vokadlo::cli

int main(int argc, char** argv) {
    return vokadlo::cli::Flushed(vokadlo::cli::Run(argc, argv));
}
