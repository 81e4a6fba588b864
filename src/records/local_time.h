#pragma once
#include <cstdint>

namespace tovrin {

// One reading of the clock: the local date and time of day for texts and file names,
// and microseconds since the epoch for exports that need real times.
struct LocalTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int64_t epochMicros = 0;
};

}  // namespace tovrin
