#include "synthesis/CutRecordings.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace vokadlo {

void TCutRecording::Clear() {
    Samples.clear();
    Offsets.clear();
    Bytes.clear();
}

void TCutRecording::Add(const TMemoryStream& period, std::int32_t bytes) {
    Offsets.push_back(Samples.size());
    Bytes.push_back(bytes);
    if (bytes > 0) {
        const auto kept = std::min(static_cast<std::size_t>(bytes), period.size());
        Samples.insert(Samples.end(), period.begin(),
                       period.begin() + static_cast<std::ptrdiff_t>(kept));
    }
}

std::span<const std::uint8_t> TCutRecording::Period(std::size_t k) const {
    const std::size_t end = k + 1 < Offsets.size() ? Offsets[k + 1] : Samples.size();
    return std::span<const std::uint8_t>(Samples).subspan(Offsets[k], end - Offsets[k]);
}

std::size_t TCutRecordings::THash::operator()(const TKey& k) const {
    const std::uint64_t mixed = k.GainBits ^ (static_cast<std::uint64_t>(k.Size) << 20) ^
                                static_cast<std::uint32_t>(k.Pitch);
    return std::hash<const std::uint8_t*>{}(k.Data) ^
           (std::hash<std::uint64_t>{}(mixed)*0x9E3779B97F4A7C15ULL);
}

TCutRecordings::TKey TCutRecordings::KeyOf(std::span<const std::uint8_t> recording, double gain,
                                           std::int32_t pitch) {
    return {recording.data(), recording.size(), std::bit_cast<std::uint64_t>(gain), pitch};
}

const TCutRecording* TCutRecordings::Find(std::span<const std::uint8_t> recording, double gain,
                                          std::int32_t pitch) const {
    const auto found = entries_.find(KeyOf(recording, gain, pitch));
    return found == entries_.end() ? nullptr : &found->second;
}

void TCutRecordings::Keep(std::span<const std::uint8_t> recording, double gain, std::int32_t pitch,
                          const TCutRecording& cut) {
    const std::size_t bytes = cut.Samples.size();
    if (bytes > kMaxBytes) {
        return;
    }
    if (bytes_ + bytes > kMaxBytes) {
        entries_.clear();
        bytes_ = 0;
    }
    if (entries_.try_emplace(KeyOf(recording, gain, pitch), cut).second) {
        bytes_ += bytes;
    }
}

}  // namespace vokadlo
