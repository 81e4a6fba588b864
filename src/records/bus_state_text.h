#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tovrin {

// The six fields of a bus state report, in report order: receive error counter,
// transmit error counter, bus-off, error-passive and error-warning flags, last
// error code (only its low three bits count).
using BusStateFields = std::span<const uint8_t, 6>;

// The two-line text of the bus state field for one report.
std::string BusStateText(BusStateFields fields, bool english);

// What the field shows until the first report after a language switch.
std::string_view BusStateNormalText(bool english);

}  // namespace tovrin
