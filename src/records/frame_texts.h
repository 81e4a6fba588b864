#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/can_frame.h"
#include "records/local_time.h"

namespace tovrin {

enum class Direction { Receive, Send };

// The fixed texts of traffic records, in the language chosen at the moment a
// record is made. Senders, receivers and the selectors all take them from here.
std::string_view DirectionText(Direction direction, bool english);
std::string_view FrameTypeText(FrameType type, bool english);
// Sent frames and the frame-format selector say "Extended Frame"; received
// records have always said "Extended frame".
std::string_view FrameFormatText(FrameFormat format, Direction direction, bool english);

// Local time of day with milliseconds, e.g. 14:03:27:045.
std::string TimeScaleText(const LocalTime& time);
// Every byte as two lowercase hexadecimal digits and a space, also after the last.
std::string DataText(std::span<const uint8_t> bytes);
// A received identifier: its 32-bit value as eight lowercase hexadecimal digits.
std::string ReceivedFrameIdText(uint32_t id);

// The entries of the selectors and the frame list's drop-downs, in position order:
// standard/extended (the "Type" selector) and data/remote (the rows' "Format").
std::vector<std::string> FrameFormatEntries(bool english);
std::vector<std::string> FrameTypeEntries(bool english);

}  // namespace tovrin
