#pragma once
#include <string>

#include "records/log_text.h"

namespace tovrin {

inline constexpr char CANDUMP_INTERFACE_NAME[] = "tovrin0";

// One candump log line: "(1796997807.045123) tovrin0 123#1122". Standard identifiers
// take three hexadecimal digits, extended ones eight; a remote frame reads "123#R",
// with its length after the R when it has one ("123#R3").
std::string CandumpLine(const TrafficRecord& row);

// A candump log: one line per frame, nothing before or after.
class CandumpLog final : public LogText {
public:
    std::string Opening() override { return {}; }
    std::string FrameLines(const TrafficRecord& row) override { return CandumpLine(row); }
    std::string Closing() const override { return {}; }
};

}  // namespace tovrin
