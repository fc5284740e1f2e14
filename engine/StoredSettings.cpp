#include "engine/StoredSettings.h"

#include <string_view>

#include "engine/Voices.h"

namespace vokadlo {

std::string StoredDefault(const TStoredSetting& setting, std::int32_t voice) {
    if (setting.isSwitch) {
        return setting.value ? "True" : "False";
    }
    if (std::string_view(setting.name) == "Pith_Position") {
        return std::to_string(VoiceFor(voice).pitchShift);
    }
    return std::to_string(setting.value);
}

}  // namespace vokadlo
