// Recordings cut into pitch periods after their gain and their first pitch pass, kept for reuse.
// A text says each of the 34 sounds at a handful of gains and voice pitches, and the gain, the
// scan for marks and the voice's pitch pass over every period were half of the wave assembly's
// time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "core/MemoryStream.h"

namespace vokadlo {

// Periods 1 .. s of one recording, one after another.
struct TCutRecording {
    TMemoryStream Samples;
    std::vector<std::size_t> Offsets;  // where period k starts in Samples, at index k - 1
    std::vector<std::int32_t> Bytes;   // its length, as the period table holds it (0 or less:
                                       // no samples)
    void Clear();
    std::int32_t Periods() const { return static_cast<std::int32_t>(Bytes.size()); }
    // Appends a period: its table length and, when that is positive, its first `bytes` bytes.
    void Add(const TMemoryStream& period, std::int32_t bytes);
    // The stored samples of period k + 1.
    std::span<const std::uint8_t> Period(std::size_t k) const;
};

// The cut recordings of one store's recordings, named by the recording's address and size, the
// gain's bits and the pitch count: a store's recordings stay where they are, unchanged, while it
// lives (disk recordings, read into a reused buffer, are never kept). Holds at most kMaxBytes of
// samples and starts afresh when one more would pass that.
class TCutRecordings {
  public:
    static constexpr std::size_t kMaxBytes = std::size_t{4} << 20;

    const TCutRecording* Find(std::span<const std::uint8_t> recording, double gain,
                              std::int32_t pitch) const;
    // Keeps a copy of `cut`, unless it is larger than kMaxBytes.
    void Keep(std::span<const std::uint8_t> recording, double gain, std::int32_t pitch,
              const TCutRecording& cut);

  private:
    struct TKey {
        const std::uint8_t* Data;
        std::size_t Size;
        std::uint64_t GainBits;
        std::int32_t Pitch;
        bool operator==(const TKey&) const = default;
    };
    struct THash {
        std::size_t operator()(const TKey& k) const;
    };
    static TKey KeyOf(std::span<const std::uint8_t> recording, double gain, std::int32_t pitch);

    std::unordered_map<TKey, TCutRecording, THash> entries_;
    std::size_t bytes_ = 0;
};

}  // namespace vokadlo
