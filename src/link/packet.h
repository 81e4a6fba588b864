#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/can_frame.h"

namespace tovrin {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t PACKET_START = 0xAA;
constexpr uint8_t SETTINGS_MARK = 0x55;
constexpr uint8_t DATA_PACKET_END = 0x55;
constexpr size_t SETTINGS_PACKET_SIZE = 20;

constexpr uint8_t CMD_FRAME = 0x01;
constexpr uint8_t CMD_BUS_STATE = 0x04;
constexpr uint8_t CMD_COM_BAUD = 0x06;
constexpr uint8_t CMD_TRANSPARENT = 0x07;
constexpr uint8_t CMD_RECEIVE_IDS = 0x10;
constexpr uint8_t CMD_START = 0x12;
constexpr uint8_t CMD_START_CUSTOM = 0x13;

using SettingsPacket = std::array<uint8_t, SETTINGS_PACKET_SIZE>;

// Low 8 bits of the sum of bytes 2 .. checksumOffset-1.
uint8_t ChecksumOf(std::span<const uint8_t> packet, size_t checksumOffset);
bool HasGoodChecksum(const SettingsPacket& packet);

// DataPacket: AA, type byte, 2 or 4 identifier bytes, data, 55. Data length is
// taken from frame.length (0..8 when the host sends).
Bytes BuildDataPacket(const CanFrame& frame);

// A 20-byte SettingsPacket with the command and fields placed from offset 3;
// the checksum is filled in.
SettingsPacket BuildSettingsPacket(uint8_t command, std::span<const uint8_t> fields);

SettingsPacket BuildFramePacket(const CanFrame& frame);  // CMD_FRAME
SettingsPacket BuildBusStateQuery();                     // CMD_BUS_STATE
SettingsPacket BuildComBaudPacket(uint8_t rateCode);     // CMD_COM_BAUD

struct TransparentSetup {
    bool cancel = false;  // mode byte 0xAA instead of 0x00
    FrameFormat format = FrameFormat::Standard;
    uint32_t remoteId = 0;
    uint32_t localId = 0;
};
SettingsPacket BuildTransparentPacket(const TransparentSetup& setup);

// CMD_RECEIVE_IDS: 4n + 5 bytes; at most 255 identifiers are carried.
Bytes BuildReceiveIdsPacket(std::span<const uint32_t> ids);

struct StartSettings {
    FrameFormat format = FrameFormat::Extended;
    uint32_t filterId = 0;
    uint32_t maskId = 0;
    uint8_t workMode = 0;  // 0 normal, 1 loop back, 2 silent, 3 loop back + silent
    bool noRetransmit = false;
};
SettingsPacket BuildStartPacket(uint8_t bitRateCode, const StartSettings& settings);

struct CustomTiming {
    uint8_t sjwEntry = 0;  // 0 = 1 time quantum
    uint8_t bs1Entry = 0;  // 0..15 = 1..16 time quanta
    uint8_t bs2Entry = 0;  // 0..7 = 1..8 time quanta
    uint16_t prescaler = 1;
};
SettingsPacket BuildStartCustomPacket(const CustomTiming& timing, const StartSettings& settings);

// Frames carried by received packets. DataPacket: the length must match its type byte.
CanFrame DecodeDataPacket(std::span<const uint8_t> packet);
// SettingsPacket 0x01: a length byte above 8 is kept as the record's length text by
// the caller, but the data taken never runs past the packet's eight data bytes.
CanFrame DecodeFramePacket(const SettingsPacket& packet);

}  // namespace tovrin
