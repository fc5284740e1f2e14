// A file's age as a DOS date and time: two-second resolution, local time.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>

namespace vokadlo {

// Packs a local time: bits 31..25 year - 1980, 24..21 month, 20..16 day, 15..11 hour,
// 10..5 minute, 4..0 seconds / 2. Years before 1980 read as 1980-01-01 00:00:00, after 2107
// as 2107-12-31 23:59:58. No allocation.
std::int32_t PackDosDateTime(const std::tm& local);

// The last modification time of `file` in local time, packed; -1 when the file does not
// exist or its time cannot be read. No exceptions.
std::int32_t FileAge(const std::filesystem::path& file);

}  // namespace vokadlo
