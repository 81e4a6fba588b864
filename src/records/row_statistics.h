#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tovrin {

enum class StatisticsColumn { Count, Cycle };
constexpr int STATISTICS_COLUMN_COUNT = 2;

// What a traffic row has seen of its identifier: the frames it has taken since it
// was made, and the time between the last two of them.
struct RowStatistics {
    int64_t frames = 1;
    std::optional<int64_t> cycleMicros;  // none until a second frame came
};

// The statistics of a row that takes one more frame of its identifier.
RowStatistics WithNextFrame(const RowStatistics& before, int64_t previousEpochMicros, int64_t epochMicros);

// "%d" of the frames, and "%.1f" of the cycle in milliseconds (empty without one).
std::string StatisticsText(const RowStatistics& statistics, StatisticsColumn column);

}  // namespace tovrin
