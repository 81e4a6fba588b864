#include "records/row_statistics.h"

#include <cstdio>

namespace tovrin {

RowStatistics WithNextFrame(const RowStatistics& before, int64_t previousEpochMicros, int64_t epochMicros) {
    return {before.frames + 1, epochMicros - previousEpochMicros};
}

std::string StatisticsText(const RowStatistics& statistics, StatisticsColumn column) {
    if (column == StatisticsColumn::Count) return std::to_string(statistics.frames);
    if (!statistics.cycleMicros) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(*statistics.cycleMicros) / 1000.0);
    return text;
}

}  // namespace tovrin
