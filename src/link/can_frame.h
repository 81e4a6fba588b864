#pragma once
#include <array>
#include <cstdint>

namespace tovrin {

enum class FrameFormat : uint8_t { Standard = 1, Extended = 2 };
enum class FrameType : uint8_t { Data = 1, Remote = 2 };

// One CAN frame as it travels in a packet. A received DataPacket may announce up to
// 15 data bytes, so the data array is larger than a classic CAN frame needs.
struct CanFrame {
    uint32_t id = 0;
    FrameFormat format = FrameFormat::Standard;
    FrameType type = FrameType::Data;
    uint8_t length = 0;   // data length as announced by the packet
    uint8_t carried = 0;  // data bytes the packet really holds (never above 15)
    std::array<uint8_t, 15> data{};

    bool extended() const { return format == FrameFormat::Extended; }
    bool remote() const { return type == FrameType::Remote; }
};

}  // namespace tovrin
