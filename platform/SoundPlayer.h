// The asynchronous sound player the engine hands its WAV images to.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vokadlo {

// Player flags, as the engine passes them.
inline constexpr int kPlayAsync = 5;         // play at once, cutting off any sound
inline constexpr int kPlayAsyncNoStop = 21;  // play only if nothing is playing
inline constexpr int kPlayFlagNoStop = 16;   // the do-not-interrupt bit

class ISoundPlayer {
  public:
    virtual ~ISoundPlayer() = default;

    // Starts playing a complete RIFF WAVE image in memory and returns at once. With the
    // do-not-interrupt bit the call is refused (returns false) while a sound is still playing;
    // otherwise the current sound is cut off. The image must stay alive and unchanged until it
    // has finished playing, another image was started, or `Stop` returned.
    virtual bool PlaySound(const std::uint8_t* image, std::size_t size, int flags) = 0;

    // Stops any sound at once; afterwards the player reads no image any more.
    virtual void Stop() = 0;
};

// Accepts every image at once and plays nothing: for rendering to files, and where a program
// installed no player.
class TSilentPlayer final : public ISoundPlayer {
  public:
    bool PlaySound(const std::uint8_t*, std::size_t, int) override { return true; }
    void Stop() override {}
};

}  // namespace vokadlo
