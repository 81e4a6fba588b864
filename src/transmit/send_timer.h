#pragma once
#include <cstddef>
#include <optional>

namespace tovrin {

constexpr int SEND_TIMER = 2;
constexpr int MIN_SEND_PERIOD_MS = 10;

constexpr int SendTimerPeriodMs(int intervalMs) {
    return intervalMs <= MIN_SEND_PERIOD_MS ? MIN_SEND_PERIOD_MS : intervalMs;
}

// What one tick of the send timer does with the frame list. The list may have grown or
// shrunk since the last tick, so the row count is taken afresh each time.
struct SendTick {
    size_t frameIndex = 0;          // the next-row index once the tick has begun
    std::optional<size_t> row;      // row to send now; on success the index becomes row + 1
    bool runEnds = false;           // a pass without Cycle is complete: stop the timer
};

constexpr SendTick PlanSendTick(size_t frameIndex, size_t rowCount, bool cyclic) {
    if (frameIndex < rowCount) return {frameIndex, frameIndex, false};
    // A pass is complete; with Cycle the next one starts on this same tick.
    if (!cyclic) return {0, std::nullopt, true};
    if (rowCount == 0) return {0, std::nullopt, false};
    return {0, size_t{0}, false};
}

}  // namespace tovrin
