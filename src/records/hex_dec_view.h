#pragma once
#include <string>
#include <string_view>

#include "records/traffic_record.h"

namespace tovrin {

// The text of the number-base view of one traffic row: its Frame ID and Data,
// then every data byte as unsigned and signed 8-bit numbers and every byte pair
// as unsigned and signed 16-bit numbers, high byte first and low byte first.
// Only the bytes the Data text really holds are converted, however many.
std::string HexDecViewText(const TrafficRecord& row, bool english);

std::string_view HexDecViewCaption(bool english);

}  // namespace tovrin
