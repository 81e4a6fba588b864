#pragma once
#include <string>

#include "records/log_text.h"

namespace tovrin {

inline constexpr char CSV_HEADER_LINE[] = "Time Stamp,ID,Extended,Dir,Bus,LEN,D1,D2,D3,D4,D5,D6,D7,D8\n";

// One row: the time in microseconds since the epoch, the identifier as eight
// hexadecimal digits, true/false, Rx/Tx, bus 0, the length and up to eight data
// bytes; cells without a byte stay empty.
std::string CsvLine(const TrafficRecord& row);

// A spreadsheet-friendly log: the header line, then one row per frame.
class CsvLog final : public LogText {
public:
    std::string Opening() override { return CSV_HEADER_LINE; }
    std::string FrameLines(const TrafficRecord& row) override { return CsvLine(row); }
    std::string Closing() const override { return {}; }
};

}  // namespace tovrin
