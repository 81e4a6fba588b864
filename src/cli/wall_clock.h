#pragma once
#include "records/local_time.h"

namespace tovrin::cli {

// The system clock now: local date and time of day, and microseconds since the epoch.
LocalTime WallClockNow();

}  // namespace tovrin::cli
