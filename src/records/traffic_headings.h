#pragma once
#include <array>
#include <string_view>

#include "records/traffic_record.h"

namespace tovrin {

struct ColumnHeading {
    std::string_view text;
    int width;  // pixels
};

// The traffic list's column headings, all left-aligned.
const std::array<ColumnHeading, TRAFFIC_COLUMN_COUNT>& TrafficListHeadings(bool english);

}  // namespace tovrin
