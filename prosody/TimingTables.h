// The tables behind the timing passes: pause before a sound, duration, gain and period trimming.
//
// Each lookup reads one unit (its sound S = first character of `Sample`, its `Prev`, `Letter`,
// `Next` and 1-based number) and allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/ChunkRecord.h"
#include "core/EngineSettings.h"

namespace vokadlo {

// A time in a table: a fixed number of ms, an engine-wide setting in ms, or "keep the value".
struct TMsValue {
    enum class EKind { Fixed, Setting, Unchanged };
    EKind Kind = EKind::Unchanged;
    std::int32_t Ms = 0;
    std::int32_t TEngineSettings::*SettingMs = nullptr;
};

constexpr TMsValue Ms(std::int32_t ms) {
    return {TMsValue::EKind::Fixed, ms, nullptr};
}
constexpr TMsValue FromSetting(std::int32_t TEngineSettings::*setting) {
    return {TMsValue::EKind::Setting, 0, setting};
}
inline constexpr TMsValue kUnchanged{};

// The value `value` stands for, given the field's current value `current` (ms).
inline std::int32_t Resolve(const TMsValue& value, std::int32_t current) {
    switch (value.Kind) {
        case TMsValue::EKind::Fixed:
            return value.Ms;
        case TMsValue::EKind::Setting:
            return Settings.*value.SettingMs;
        case TMsValue::EKind::Unchanged:
            break;
    }
    return current;
}

// Pause before the unit's sound, ms, before the spread; the unit's own `Pause` where the table
// keeps it.
std::int32_t TablePause(const TCharacter& unit);

// Duration of the unit's sound at recorded tempo, ms, before speed and spread.
std::int32_t TableDuration(const TCharacter& unit);

// Amplitude factor of the unit's recording before the corrections; `unitNumber` is 1-based.
double TableGain(const TCharacter& unit, std::size_t unitNumber);

// Multiplies `Gain` by the corrections, in order: the chunk's first sound that runs on into the
// next, then the last sound before a pause or the chunk's end. `unitNumber` is 1-based.
void CorrectGain(TCharacter& unit, std::size_t unitNumber);

// Sets `FirstPeriod` and `EndCut` where a trimming rule applies; others stay as they are.
void TrimPeriods(TCharacter& unit);

}  // namespace vokadlo
