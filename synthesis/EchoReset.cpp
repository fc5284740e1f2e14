#include <algorithm>

#include "core/EngineSettings.h"
#include "synthesis/Echo.h"

namespace vokadlo {

int ActiveEchoTracks() {
    return std::clamp(Settings.EchoTracks, 0, kMaxEchoTracks);
}

void ResetEcho(TEchoState& echo) {
    const int tracks = ActiveEchoTracks();
    for (int t = 1; t <= tracks; ++t) {
        const std::int64_t delay =
            -static_cast<std::int64_t>(std::min(Settings.EchoDelay, kMaxEchoDelay)) * t;
        echo.EchoReadPos[t - 1] =
            static_cast<std::int32_t>(std::clamp<std::int64_t>(delay, INT32_MIN, INT32_MAX));
        echo.EchoLength[t - 1] = 0;
    }
}

}  // namespace vokadlo
