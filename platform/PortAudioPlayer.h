// The sound player on PortAudio: one output stream, fed from the image being played.
#pragma once

#include <memory>
#include <string>

#include "platform/SoundPlayer.h"

namespace vokadlo {

class TPortAudioPlayer final : public ISoundPlayer {
  public:
    TPortAudioPlayer();
    ~TPortAudioPlayer() override;  // stops playback before anything is freed

    // Opens the audio system and the default output device; false (with Problem() saying why)
    // when there is no usable sound output. Safe to call repeatedly.
    bool Open();
    const std::string& Problem() const;

    // Plays the image's declared data as its header gives it. The image is read in place.
    bool PlaySound(const std::uint8_t* image, std::size_t size, int flags) override;
    void Stop() override;
    // True while an image still has samples to play.
    bool Busy() const;

  private:
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

}  // namespace vokadlo
