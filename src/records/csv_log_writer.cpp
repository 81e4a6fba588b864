#include "records/csv_log_writer.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace tovrin {
namespace {
constexpr size_t DATA_CELLS = 8;
}

std::string CsvLine(const TrafficRecord& row) {
    const CanFrame& frame = row.frame;
    char line[128];
    int used = std::snprintf(line, sizeof line, "%" PRId64 ",%08" PRIX32 ",%s,%s,0,%u", row.epochMicros,
                             LoggedIdentifier(frame), frame.extended() ? "true" : "false",
                             row.direction == Direction::Send ? "Tx" : "Rx", static_cast<unsigned>(frame.length));
    const size_t bytes = frame.remote() ? 0 : std::min<size_t>(frame.carried, DATA_CELLS);
    for (size_t i = 0; i < DATA_CELLS; ++i) {
        used += i < bytes ? std::snprintf(line + used, sizeof line - static_cast<size_t>(used), ",%02X", frame.data[i])
                          : std::snprintf(line + used, sizeof line - static_cast<size_t>(used), ",");
    }
    return std::string(line, static_cast<size_t>(used)) + "\n";
}

}  // namespace tovrin
