#include "sim/traffic_plan.h"

#include <algorithm>

namespace tovrin::sim {
namespace {

// One well-mixed number per (seed, frame, purpose).
uint64_t Hash(const TrafficPlan& plan, uint64_t k, uint64_t purpose) {
    uint64_t z = plan.seed * 0x9E3779B97F4A7C15ull + k * 0xBF58476D1CE4E5B9ull + purpose * 0x94D049BB133111EBull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool Chance(const TrafficPlan& plan, uint64_t k, uint64_t purpose, double share) {
    return static_cast<double>(Hash(plan, k, purpose) >> 11) * 0x1.0p-53 < share;
}

enum Purpose : uint64_t { FORMAT = 1, FORM, DATA, NOISE, NOISE_BYTES };

}  // namespace

TrafficPlan DemoTrafficPlan() {
    TrafficPlan plan;
    plan.ratePerSecond = 20;
    plan.firstId = 0x181;
    plan.idCount = 4;
    plan.format = IdFormat::Mixed;
    plan.data = DataPattern::Random;
    plan.form = FormMix::Mixed;
    return plan;
}

CanFrame PlannedFrame(const TrafficPlan& plan, uint64_t k) {
    CanFrame frame;
    const bool extended = plan.format == IdFormat::Extended ||
                          (plan.format == IdFormat::Mixed && (Hash(plan, k, FORMAT) & 1));
    frame.format = extended ? FrameFormat::Extended : FrameFormat::Standard;
    frame.type = plan.remote ? FrameType::Remote : FrameType::Data;
    const uint32_t id = plan.firstId + static_cast<uint32_t>(k % std::max<uint32_t>(plan.idCount, 1));
    frame.id = id & (extended ? 0x1FFFFFFFu : 0x7FFu);
    frame.length = std::min<uint8_t>(plan.length, 8);
    frame.carried = frame.length;
    for (size_t i = 0; i < frame.length; ++i) {
        switch (plan.data) {
            case DataPattern::Counter: frame.data[i] = static_cast<uint8_t>(k >> (8 * i)); break;
            case DataPattern::Fixed: frame.data[i] = i < plan.fixedData.size() ? plan.fixedData[i] : 0; break;
            case DataPattern::Random: frame.data[i] = static_cast<uint8_t>(Hash(plan, k, DATA) >> (8 * i)); break;
        }
    }
    return frame;
}

PacketForm PlannedForm(const TrafficPlan& plan, uint64_t k) {
    switch (plan.form) {
        case FormMix::DataPackets: return PacketForm::DataPacket;
        case FormMix::FramePackets: return PacketForm::FramePacket;
        case FormMix::Mixed: break;
    }
    return (Hash(plan, k, FORM) & 1) ? PacketForm::FramePacket : PacketForm::DataPacket;
}

Bytes PlannedNoise(const TrafficPlan& plan, uint64_t k) {
    if (!Chance(plan, k, NOISE, plan.noise)) return {};
    const uint64_t h = Hash(plan, k, NOISE_BYTES);
    Bytes noise(1 + (h & 7));
    for (size_t i = 0; i < noise.size(); ++i) {
        const auto b = static_cast<uint8_t>(h >> (8 + 7 * i));
        // A start byte here would swallow the packet that follows.
        noise[i] = b == PACKET_START ? static_cast<uint8_t>(b + 1) : b;
    }
    return noise;
}

}  // namespace tovrin::sim
