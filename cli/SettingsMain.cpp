// vokadlo-settings: lists, reads and changes the voice settings the engine takes from its
// settings store, the way a separate settings application would.
#include <CLI/CLI.hpp>

#include <iostream>

#include "core/ParseInt.h"
#include "engine/SayText.h"
#include "engine/Voices.h"
#include "platform/ConfigDir.h"
#include "platform/RegSettingsStore.h"

namespace vokadlo::cli {
namespace {

constexpr const char* kChangeFlag = "Values_Changed";

std::string Show(const TRegValue& value) {
    if (const auto* number = std::get_if<std::uint32_t>(&value)) {
        return std::to_string(static_cast<std::int32_t>(*number)) + " (dword)";
    }
    if (const auto* text = std::get_if<TRegText>(&value)) {
        return "\"" + text->utf8 + "\"" + (text->expandable ? " (expandable)" : "");
    }
    return std::get<TRegOther>(value).raw + " (other type)";
}

int Run(int argc, char** argv) {
    CLI::App app{
        "Lists, reads and changes the voice settings of Vokadlo in its settings store.\n"
        "Values the engine reads: Volume_Position, Speed_Position, Pith_Position,\n"
        "Echo_tracsk_Position, Echo_delay_Position, Echo_Volume_Position (texts of whole\n"
        "numbers), Intonace_Checked, Intonace_endhacent_Checked (\"True\" or not).\n"
        "A set raises Values_Changed, so the engine reads the values at its next text."};
    app.name("vokadlo-settings");
    std::string configDir;
    int voice = 1;
    app.add_option("--config-dir", configDir, "Folder of the settings file settings.reg");
    app.add_option("--voice", voice, "Voice 1 (VEMIRa), 2 (VEMIRuska) or 3 (VEMIR)")
        ->check(CLI::Range(1, 3));
    app.require_subcommand(1);

    CLI::App* list = app.add_subcommand("list", "List every value of the voice's key");
    std::string name;
    CLI::App* get = app.add_subcommand("get", "Print one value");
    get->add_option("NAME", name, "Value name")->required();
    std::string value;
    bool dword = false;
    CLI::App* set = app.add_subcommand("set", "Store a value and raise Values_Changed");
    set->add_option("NAME", name, "Value name")->required();
    set->add_option("VALUE", value, "Value (text, or a whole number with --dword)")->required();
    set->add_flag("--dword", dword, "Store a 32-bit integer instead of text");

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
    TRegSettingsStore store(TRegSettingsStore::DefaultFile());
    store.OpenKey(SettingsKeyFor(VoiceFor(voice).name));

    if (*list) {
        for (const TRegEntry& entry : store.List()) {
            std::cout << entry.name << " = " << Show(entry.value) << '\n';
        }
        return 0;
    }
    if (*get) {
        for (const TRegEntry& entry : store.List()) {
            if (entry.name == name) {
                std::cout << Show(entry.value) << '\n';
                return 0;
            }
        }
        std::cerr << "vokadlo-settings: no value \"" << name << "\" in " << store.Section() << '\n';
        return 1;
    }
    try {
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
    return vokadlo::cli::Run(argc, argv);
}
