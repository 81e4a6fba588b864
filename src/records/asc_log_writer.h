#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "records/log_text.h"

namespace tovrin {

// "Fri Dec 11 14:03:27.045 2026": the local time of the moment, English names.
std::string AscDateText(int64_t epochMicros);

// One frame line on channel 1, its time in seconds after the log's first frame:
// "   0.001234 1  123             Rx   d 2 11 22"; extended identifiers end in x.
std::string AscFrameLine(const TrafficRecord& row, int64_t firstEpochMicros);

// An ASC log. Its date and its times count from the first frame, so the header is
// written together with that frame; a log without frames is empty.
class AscLog final : public LogText {
public:
    std::string Opening() override;
    std::string FrameLines(const TrafficRecord& row) override;
    std::string Closing() const override;

private:
    std::optional<int64_t> m_firstEpochMicros;
};

}  // namespace tovrin
