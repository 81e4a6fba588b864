#pragma once
#include <cstdint>
#include <span>

#include "link/can_frame.h"
#include "link/packet.h"
#include "records/local_time.h"
#include "records/traffic_record.h"

namespace tovrin {

// The record of a received frame. The No text is left empty: placement numbers it.
// Data Length shows the length the packet announced; Data shows only the bytes the
// packet really carried, so a 0x01 packet announcing more than 8 never reads past it.
TrafficRecord ReceivedRecord(const CanFrame& frame, const LocalTime& time, bool english);

TrafficRecord ReceivedRecordFromDataPacket(std::span<const uint8_t> packet, const LocalTime& time, bool english);
TrafficRecord ReceivedRecordFromFramePacket(const SettingsPacket& packet, const LocalTime& time, bool english);

}  // namespace tovrin
