#include "engine/DosFileTime.h"

#include <chrono>
#include <system_error>

namespace vokadlo {

std::int32_t PackDosDateTime(const std::tm& local) {
    const int year = local.tm_year + 1900;
    // The packed form holds the years 1980..2107; times outside are held at its ends.
    if (year < 1980 || year > 2107) {
        std::tm edge{};
        const bool early = year < 1980;
        edge.tm_year = early ? 80 : 207;
        edge.tm_mon = early ? 0 : 11;
        edge.tm_mday = early ? 1 : 31;
        edge.tm_hour = early ? 0 : 23;
        edge.tm_min = early ? 0 : 59;
        edge.tm_sec = early ? 0 : 58;
        return PackDosDateTime(edge);
    }
    const auto date = static_cast<std::uint32_t>(((year - 1980) << 9) | ((local.tm_mon + 1) << 5) |
                                                 local.tm_mday);
    const auto time = static_cast<std::uint32_t>((local.tm_hour << 11) | (local.tm_min << 5) |
                                                 (local.tm_sec / 2));
    return static_cast<std::int32_t>((date << 16) | time);
}

std::int32_t FileAge(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return -1;
    }
    const auto written = std::filesystem::last_write_time(file, error);
    if (error) {
        return -1;
    }
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::seconds>(system));
    std::tm local{};
    return localtime_r(&seconds, &local) ? PackDosDateTime(local) : -1;
}

}  // namespace vokadlo
