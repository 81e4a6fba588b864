#pragma once
#include <string_view>

#include "link/packet.h"

namespace tovrin::cli {

// The values of the CAN options, as positions of the window's selectors. Each throws
// UsageError for a text it does not know.
int FrameTypeEntryOf(std::string_view text);        // --type std|ext
int WorkModeEntryOf(std::string_view text);         // --mode normal|loopback|silent|loopback-silent
int StandardBitRateEntryOf(std::string_view text);  // --bitrate 1Mbps … 5kbps, case ignored
// --custom BS1:BS2:PRESCALER in time quanta (1..16, 1..8) and 1..1024.
CustomTiming CustomTimingOf(std::string_view text);

}  // namespace tovrin::cli
