#include "platform/PacedSilentPlayer.h"

#include "platform/WavHeader.h"

namespace vokadlo {

bool TPacedSilentPlayer::PlaySound(const std::uint8_t* image, std::size_t size, int flags) {
    const auto now = std::chrono::steady_clock::now();
    if ((flags & kPlayFlagNoStop) != 0 && now < busyUntil_) {
        return false;
    }
    const auto wav = ReadWavData(image, size);
    if (!wav || wav->sampleRate == 0 || wav->channels == 0 || wav->bitsPerSample == 0) {
        busyUntil_ = now;  // nothing playable: accepted and over at once
        return true;
    }
    const double frames =
        static_cast<double>(wav->bytes) / (wav->channels * (wav->bitsPerSample / 8));
    busyUntil_ =
        now + std::chrono::microseconds(static_cast<std::int64_t>(frames * 1e6 / wav->sampleRate));
    return true;
}

}  // namespace vokadlo
