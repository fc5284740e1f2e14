// A player without a device that keeps time: each image is "busy" for its declared length, so
// that a window without sound still shows its chunks at the pace they would be heard.
#pragma once

#include <chrono>

#include "platform/SoundPlayer.h"

namespace vokadlo {

class TPacedSilentPlayer final : public ISoundPlayer {
  public:
    bool PlaySound(const std::uint8_t* image, std::size_t size, int flags) override;
    void Stop() override { busyUntil_ = {}; }

  private:
    std::chrono::steady_clock::time_point busyUntil_{};
};

}  // namespace vokadlo
