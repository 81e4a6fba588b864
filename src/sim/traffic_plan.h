#pragma once
#include <cstdint>

#include "link/can_frame.h"
#include "link/packet.h"
#include "sim/converter_model.h"

namespace tovrin::sim {

enum class IdFormat { Standard, Extended, Mixed };
enum class DataPattern { Counter, Fixed, Random };  // Counter: the frame number, low byte first
enum class FormMix { DataPackets, FramePackets, Mixed };

// The bus traffic the converter passes to the host. Frame k of a plan is the same
// every time, so a receiver can check what it got.
struct TrafficPlan {
    double ratePerSecond = 0;  // 0 = as fast as the line takes them
    uint64_t count = 0;        // 0 = no end
    uint32_t firstId = 0x123;
    uint32_t idCount = 1;  // identifiers firstId, firstId + 1, ... in turn
    IdFormat format = IdFormat::Standard;
    bool remote = false;
    DataPattern data = DataPattern::Counter;
    Bytes fixedData;     // with DataPattern::Fixed
    uint8_t length = 8;  // 0..8
    FormMix form = FormMix::DataPackets;
    double noise = 0;  // share of packets followed by a few bytes that start no packet
    bool raw = false;  // true: sent without waiting for a start and past every filter
    uint64_t seed = 1;
};

// For someone trying the window: a few identifiers at about 20 frames/s, without end,
// once the host has started the converter.
TrafficPlan DemoTrafficPlan();

CanFrame PlannedFrame(const TrafficPlan& plan, uint64_t k);
PacketForm PlannedForm(const TrafficPlan& plan, uint64_t k);
Bytes PlannedNoise(const TrafficPlan& plan, uint64_t k);  // the bytes after packet k, mostly none

}  // namespace tovrin::sim
