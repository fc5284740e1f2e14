#include "engine/DosFileTime.h"

#include <chrono>
#include <system_error>

namespace vokadlo {

std::int32_t PackDosDateTime(const std::tm& local) {
    const int year = local.tm_year + 1900;
    if (year < 1980) {
        return PackDosDateTime(std::tm{0, 0, 0, 1, 0, 80, 0, 0, 0, 0, nullptr});
    }
    if (year > 2107) {
        return PackDosDateTime(std::tm{58, 59, 23, 31, 11, 207, 0, 0, 0, 0, nullptr});
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
    const std::tm* local = std::localtime(&seconds);  // the engine runs on one thread
    return local ? PackDosDateTime(*local) : -1;
}

}  // namespace vokadlo
