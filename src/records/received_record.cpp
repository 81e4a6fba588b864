#include "records/received_record.h"

#include <algorithm>
#include <string>

#include "records/frame_texts.h"

namespace tovrin {

TrafficRecord ReceivedRecord(const CanFrame& frame, const LocalTime& time, bool english) {
    TrafficRecord record;
    record[TrafficColumn::Direction] = DirectionText(Direction::Receive, english);
    record[TrafficColumn::TimeScale] = TimeScaleText(time);
    record[TrafficColumn::FrameType] = FrameTypeText(frame.type, english);
    record[TrafficColumn::FrameFormat] = FrameFormatText(frame.format, Direction::Receive, english);
    record[TrafficColumn::FrameId] = ReceivedFrameIdText(frame.id);
    record[TrafficColumn::DataLength] = std::to_string(frame.length);
    const size_t carried = std::min<size_t>(frame.carried, frame.data.size());
    record[TrafficColumn::Data] = DataText(std::span(frame.data).first(carried));
    record.epochMicros = time.epochMicros;
    record.frame = frame;
    record.direction = Direction::Receive;
    return record;
}

TrafficRecord ReceivedRecordFromDataPacket(std::span<const uint8_t> packet, const LocalTime& time, bool english) {
    return ReceivedRecord(DecodeDataPacket(packet), time, english);
}

TrafficRecord ReceivedRecordFromFramePacket(const SettingsPacket& packet, const LocalTime& time, bool english) {
    return ReceivedRecord(DecodeFramePacket(packet), time, english);
}

}  // namespace tovrin
