#include "engine/SessionBreaks.h"

#include <algorithm>

#include "synthesis/WavImage.h"

namespace vokadlo {
namespace {

constexpr std::size_t kSampleRateOffset = 24;  // 32-bit little-endian, as in every WAV header

std::uint32_t SampleRate(const std::uint8_t* image) {
    const std::uint8_t* p = image + kSampleRateOffset;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::int32_t TBreakPlayer::SilenceMs(const TSayWord& record) const {
    std::int64_t ms = 0;
    const auto count = std::min<std::size_t>(
        record.Chars.size(), static_cast<std::size_t>(std::max(record.CharCount, 0)));
    for (std::size_t i = 0; i < count; ++i) {
        for (const auto* places : {&record.Chars[i].MarksAtStart, &record.Chars[i].Marks}) {
            for (const std::int32_t mark : *places) {
                if (const auto found = breaks_.find(mark); mark != 0 && found != breaks_.end()) {
                    ms += std::max(found->second, 0);
                }
            }
        }
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(ms, kMaxUnitMs));
}

bool TBreakPlayer::PlaySound(const std::uint8_t* image, std::size_t size, int flags) {
    const TSayWord* record = recordOf_(image);
    const std::int32_t ms = record && !breaks_.empty() ? SilenceMs(*record) : 0;
    constexpr std::uint32_t kHighestRate = 192000;
    const std::uint32_t rate = ms > 0 && size >= kHeaderTemplateSize ? SampleRate(image) : 0;
    if (rate == 0 || rate > kHighestRate) {
        const bool accepted = inner_.PlaySound(image, size, flags);
        if (accepted && record) {
            lastWithSilence_ = nullptr;
        }
        return accepted;
    }
    const std::size_t silentBytes = static_cast<std::size_t>(std::int64_t{ms} * rate / 1000) * 2;
    TMemoryStream& out = images_[next_];
    out.assign(image, image + kHeaderTemplateSize);
    out.resize(kHeaderTemplateSize + silentBytes, 0);
    out.insert(out.end(), image + kHeaderTemplateSize, image + size);
    WriteDataSize(out, static_cast<std::uint32_t>(out.size() - kHeaderTemplateSize));
    if (!inner_.PlaySound(out.data(), out.size(), flags)) {
        return false;
    }
    lastWithSilence_ = &out;
    next_ = 1 - next_;
    return true;
}

}  // namespace vokadlo
