// The program-wide linear congruential generator and its seeding.
#include "prosody/RandomSource.h"

#include "core/EngineSettings.h"

namespace vokadlo {

namespace {
constexpr std::uint32_t kMultiplier = 134775813;
constexpr std::uint32_t kIncrement = 1;
constexpr std::int64_t kMsPerDay = 24LL * 60 * 60 * 1000;
}  // namespace

std::uint32_t TRandomSource::Random(std::uint32_t n) {
    State = State * kMultiplier + kIncrement;  // unsigned: wraps mod 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(State) * n) >> 32);
}

std::uint32_t MillisecondsSinceMidnightUtc(std::chrono::system_clock::time_point time) {
    // The system clock counts from the UTC epoch without leap seconds, so every day has
    // exactly kMsPerDay milliseconds.
    std::int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    std::int64_t ofDay = ms % kMsPerDay;
    if (ofDay < 0) {
        ofDay += kMsPerDay;  // before 1970: still counted from the preceding midnight
    }
    return static_cast<std::uint32_t>(ofDay);
}

void SeedRandomForChunk() {
    if (Settings.ProsodySeed) {
        RandomSource.Seed(*Settings.ProsodySeed);
    } else {
        RandomSource.Seed(MillisecondsSinceMidnightUtc(std::chrono::system_clock::now()));
    }
}

}  // namespace vokadlo
