#include "tests/doubles/RecordingPlayer.h"

namespace vokadlo::test {

std::int64_t TRecordingPlayer::DeclaredMs(const std::uint8_t* image, std::size_t size) {
    if (size < 44) {
        return 0;
    }
    const std::uint32_t bytes = image[40] | (image[41] << 8) | (image[42] << 16) |
                                (static_cast<std::uint32_t>(image[43]) << 24);
    return static_cast<std::int64_t>(bytes / 44.1);
}

bool TRecordingPlayer::PlaySound(const std::uint8_t* image, std::size_t size, int flags) {
    if ((flags & kPlayFlagNoStop) && Busy()) {
        ++refusals_;
        return false;
    }
    std::int64_t ms = DeclaredMs(image, size);
    if (fixedDuration_ && size != 48) {
        ms = *fixedDuration_;
    }
    if (nextDuration_) {
        ms = *nextDuration_;
        nextDuration_.reset();
    }
    busyUntil_ = clock_.Now() + ms;
    played_.push_back({TMemoryStream(image, image + size), image, flags, clock_.Now()});
    return true;
}

void TRecordingPlayer::Stop() {
    ++stops_;
    busyUntil_ = 0;
}

std::vector<TRecordingPlayer::TPlayed> TRecordingPlayer::Chunks() const {
    std::vector<TPlayed> chunks;
    for (const auto& p : played_) {
        if (p.image.size() != 48) {
            chunks.push_back(p);
        }
    }
    return chunks;
}

}  // namespace vokadlo::test
