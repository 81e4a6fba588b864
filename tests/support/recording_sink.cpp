#include "support/recording_sink.h"

#include "support/hex.h"

namespace tovrin::test {

std::string ToString(const SinkEvent& event) {
    static const char* const NAMES[] = {"data packet", "frame packet", "bus state", "auto-answer offer"};
    return std::string(NAMES[event.kind]) + ": " + ToHex(event.bytes);
}

void RecordingSink::OnDataPacketFrame(std::span<const uint8_t> packet) {
    events.push_back({SinkEvent::DataPacketFrame, Bytes(packet.begin(), packet.end())});
}

void RecordingSink::OnFramePacket(const SettingsPacket& packet) {
    events.push_back({SinkEvent::FramePacket, Bytes(packet.begin(), packet.end())});
}

void RecordingSink::OnBusStateReport(const uint8_t fields[6]) {
    events.push_back({SinkEvent::BusStateReport, Bytes(fields, fields + 6)});
}

void RecordingSink::OnAutoAnswerOffer(const SettingsPacket& packet) {
    events.push_back({SinkEvent::AutoAnswerOffer, Bytes(packet.begin(), packet.end())});
}

}  // namespace tovrin::test
