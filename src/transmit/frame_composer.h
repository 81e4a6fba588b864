#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/can_frame.h"
#include "records/hex_pair.h"

namespace tovrin {

// Frame texts as the user types them. Texts are UTF-8; lengths count UTF-16 units and
// every pair of characters is read by HexPairToByte.

struct FrameId {
    std::string text;                 // filled on the left with '0' to 8 characters
    std::array<uint8_t, 4> bytes{};   // least significant first
    uint32_t value = 0;
};

// Fails for an empty text or one longer than 8 characters. No range check: a
// standard frame may carry any 8-digit text.
std::optional<FrameId> ParseFrameId(std::string_view text);

struct FrameData {
    uint8_t length = 0;               // 0..8
    std::array<uint8_t, 8> bytes{};   // beyond length: 0
};

// Pairs of characters, each followed by one separator that is never looked at; a text
// of L characters holds (L + 1) / 3 bytes. Fails above 8 bytes.
std::optional<FrameData> ParseFrameData(std::string_view text);

struct ComposedFrame {
    FrameFormat format = FrameFormat::Standard;
    FrameType type = FrameType::Data;
    FrameId id;
    FrameData data;
    std::string dataText;    // as entered
    std::string lengthText;  // data length in decimal
};

ComposedFrame ComposeFrame(FrameFormat format, FrameType type, FrameId id, FrameData data, std::string dataText);

// For the packet builders: BuildDataPacket(ToCanFrame(f)), BuildFramePacket(ToCanFrame(f)).
CanFrame ToCanFrame(const ComposedFrame& frame);

}  // namespace tovrin
