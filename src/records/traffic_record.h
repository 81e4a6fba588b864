#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tovrin {

enum class TrafficColumn { No, Direction, TimeScale, FrameType, FrameFormat, FrameId, DataLength, Data };
constexpr int TRAFFIC_COLUMN_COUNT = 8;

// One row of the traffic list: its eight texts (UTF-8) and the moment it was made,
// which the text columns show only to the millisecond of the local time of day.
struct TrafficRecord {
    std::array<std::string, TRAFFIC_COLUMN_COUNT> cells;
    int64_t epochMicros = 0;

    std::string& operator[](TrafficColumn column) { return cells[static_cast<size_t>(column)]; }
    const std::string& operator[](TrafficColumn column) const { return cells[static_cast<size_t>(column)]; }
};

}  // namespace tovrin
