// A sound player that keeps every image it was given and plays in virtual time.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/MemoryStream.h"
#include "platform/SoundPlayer.h"
#include "tests/doubles/VirtualClock.h"

namespace vokadlo::test {

class TRecordingPlayer final : public ISoundPlayer {
  public:
    struct TPlayed {
        TMemoryStream image;          // a copy of the image's bytes
        const std::uint8_t* address;  // where the engine kept it
        int flags;
        std::int64_t at;  // virtual time it started
    };

    explicit TRecordingPlayer(const TVirtualClock& clock) : clock_(clock) {}

    bool PlaySound(const std::uint8_t* image, std::size_t size, int flags) override;
    void Stop() override;

    // Every accepted image in order, the silent ones included.
    const std::vector<TPlayed>& Played() const { return played_; }
    // Accepted images longer than the 48-byte silent image.
    std::vector<TPlayed> Chunks() const;
    int Refusals() const { return refusals_; }
    int Stops() const { return stops_; }
    bool Busy() const { return clock_.Now() < busyUntil_; }

    // The next accepted image plays for `ms` instead of its declared length.
    void SetNextDuration(std::int64_t ms) { nextDuration_ = ms; }
    // Every chunk image (not the 48-byte silent one) plays for `ms` (nullopt: its declared data
    // length at 22050 samples/s).
    void SetFixedDuration(std::optional<std::int64_t> ms) { fixedDuration_ = ms; }

    // Declared play time of a WAV image: data size at offset 40 / 44.1 bytes per ms.
    static std::int64_t DeclaredMs(const std::uint8_t* image, std::size_t size);

  private:
    const TVirtualClock& clock_;
    std::vector<TPlayed> played_;
    std::int64_t busyUntil_ = 0;
    std::optional<std::int64_t> nextDuration_;
    std::optional<std::int64_t> fixedDuration_;
    int refusals_ = 0;
    int stops_ = 0;
};

}  // namespace vokadlo::test
