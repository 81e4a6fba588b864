#pragma once
#include <string>
#include <vector>

#include "link/assembler.h"

namespace tovrin::test {

// What an RxSink was handed, in order.
struct SinkEvent {
    enum Kind { DataPacketFrame, FramePacket, BusStateReport, AutoAnswerOffer };
    Kind kind;
    Bytes bytes;  // the packet, or the six bus-state fields

    bool operator==(const SinkEvent&) const = default;
};
std::string ToString(const SinkEvent& event);

struct RecordingSink : RxSink {
    bool DisplayOn() const override { return displayOn; }
    bool AutoAnswerOn() const override { return autoAnswerOn; }
    void OnDataPacketFrame(std::span<const uint8_t> packet) override;
    void OnFramePacket(const SettingsPacket& packet) override;
    void OnBusStateReport(const uint8_t fields[6]) override;
    void OnAutoAnswerOffer(const SettingsPacket& packet) override;

    bool displayOn = true;
    bool autoAnswerOn = false;
    std::vector<SinkEvent> events;
};

}  // namespace tovrin::test
