#include "cli/wall_clock.h"

#include <chrono>
#include <ctime>

namespace tovrin::cli {

LocalTime WallClockNow() {
    using std::chrono::microseconds;
    const int64_t micros =
        std::chrono::duration_cast<microseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(micros / 1'000'000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                     local.tm_sec,         static_cast<int>(micros % 1'000'000 / 1000), micros};
}

}  // namespace tovrin::cli
