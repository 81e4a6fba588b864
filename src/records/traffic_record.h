#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/can_frame.h"
#include "records/frame_texts.h"

namespace tovrin {

enum class TrafficColumn { No, Direction, TimeScale, FrameType, FrameFormat, FrameId, DataLength, Data };
constexpr int TRAFFIC_COLUMN_COUNT = 8;

// One row of the traffic list: its eight texts (UTF-8) and the moment it was made,
// which the text columns show only to the millisecond of the local time of day.
struct TrafficRecord {
    std::array<std::string, TRAFFIC_COLUMN_COUNT> cells;
    int64_t epochMicros = 0;
    // The frame the texts were made from: log formats need its values, not its texts.
    CanFrame frame;
    Direction direction = Direction::Receive;

    std::string& operator[](TrafficColumn column) { return cells[static_cast<size_t>(column)]; }
    const std::string& operator[](TrafficColumn column) const { return cells[static_cast<size_t>(column)]; }
};

}  // namespace tovrin
