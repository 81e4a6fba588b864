#include "link/packet.h"

#include <algorithm>

namespace tovrin {
namespace {

void PutId(uint8_t* at, uint32_t id, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(id >> (8 * i));
}

uint32_t GetId(const uint8_t* at, int bytes) {
    uint32_t id = 0;
    for (int i = 0; i < bytes; ++i) id |= static_cast<uint32_t>(at[i]) << (8 * i);
    return id;
}

}  // namespace

uint8_t ChecksumOf(std::span<const uint8_t> packet, size_t checksumOffset) {
    uint8_t sum = 0;
    for (size_t i = 2; i < checksumOffset && i < packet.size(); ++i) sum = static_cast<uint8_t>(sum + packet[i]);
    return sum;
}

bool HasGoodChecksum(const SettingsPacket& packet) {
    return ChecksumOf(packet, SETTINGS_PACKET_SIZE - 1) == packet[SETTINGS_PACKET_SIZE - 1];
}

Bytes BuildDataPacket(const CanFrame& frame) {
    const int idBytes = frame.extended() ? 4 : 2;
    const uint8_t n = std::min<uint8_t>(frame.length, 8);
    Bytes packet(static_cast<size_t>(3 + idBytes + n), 0);
    packet[0] = PACKET_START;
    packet[1] = static_cast<uint8_t>((frame.remote() ? 0xD0 : 0xC0) | (frame.extended() ? 0x20 : 0) | n);
    PutId(&packet[2], frame.id, idBytes);
    std::copy_n(frame.data.begin(), n, packet.begin() + 2 + idBytes);
    packet.back() = DATA_PACKET_END;
    return packet;
}

SettingsPacket BuildSettingsPacket(uint8_t command, std::span<const uint8_t> fields) {
    SettingsPacket packet{};
    packet[0] = PACKET_START;
    packet[1] = SETTINGS_MARK;
    packet[2] = command;
    std::copy_n(fields.begin(), std::min<size_t>(fields.size(), 16), packet.begin() + 3);
    packet[19] = ChecksumOf(packet, 19);
    return packet;
}

SettingsPacket BuildFramePacket(const CanFrame& frame) {
    std::array<uint8_t, 16> f{};
    const uint8_t n = std::min<uint8_t>(frame.length, 8);
    f[0] = static_cast<uint8_t>(frame.format);
    f[1] = static_cast<uint8_t>(frame.type);
    PutId(&f[2], frame.id, 4);
    f[6] = n;
    std::copy_n(frame.data.begin(), n, f.begin() + 7);
    return BuildSettingsPacket(CMD_FRAME, f);
}

SettingsPacket BuildBusStateQuery() { return BuildSettingsPacket(CMD_BUS_STATE, {}); }

SettingsPacket BuildComBaudPacket(uint8_t rateCode) {
    const uint8_t f[] = {rateCode};
    return BuildSettingsPacket(CMD_COM_BAUD, f);
}

SettingsPacket BuildTransparentPacket(const TransparentSetup& setup) {
    std::array<uint8_t, 10> f{};
    f[0] = setup.cancel ? 0xAA : 0x00;
    f[1] = static_cast<uint8_t>(setup.format);
    PutId(&f[2], setup.remoteId, 4);
    PutId(&f[6], setup.localId, 4);
    return BuildSettingsPacket(CMD_TRANSPARENT, f);
}

Bytes BuildReceiveIdsPacket(std::span<const uint32_t> ids) {
    const size_t n = std::min<size_t>(ids.size(), 255);
    Bytes packet(4 * n + 5, 0);
    packet[0] = PACKET_START;
    packet[1] = SETTINGS_MARK;
    packet[2] = CMD_RECEIVE_IDS;
    packet[3] = static_cast<uint8_t>(n);
    for (size_t i = 0; i < n; ++i) PutId(&packet[4 + 4 * i], ids[i], 4);
    packet.back() = ChecksumOf(packet, packet.size() - 1);
    return packet;
}

SettingsPacket BuildStartPacket(uint8_t bitRateCode, const StartSettings& s) {
    std::array<uint8_t, 12> f{};
    f[0] = bitRateCode;
    f[1] = static_cast<uint8_t>(s.format);
    PutId(&f[2], s.filterId, 4);
    PutId(&f[6], s.maskId, 4);
    f[10] = s.workMode;
    f[11] = s.noRetransmit ? 1 : 0;
    return BuildSettingsPacket(CMD_START, f);
}

SettingsPacket BuildStartCustomPacket(const CustomTiming& t, const StartSettings& s) {
    std::array<uint8_t, 16> f{};
    f[0] = s.noRetransmit ? 0 : 1;  // the opposite sense of CMD_START's byte
    f[1] = static_cast<uint8_t>(s.format);
    PutId(&f[2], s.filterId, 4);
    PutId(&f[6], s.maskId, 4);
    f[10] = t.sjwEntry;
    f[11] = t.bs1Entry;
    f[12] = t.bs2Entry;
    f[13] = static_cast<uint8_t>(t.prescaler);
    f[14] = static_cast<uint8_t>(t.prescaler >> 8);
    f[15] = s.workMode;
    return BuildSettingsPacket(CMD_START_CUSTOM, f);
}

CanFrame DecodeDataPacket(std::span<const uint8_t> packet) {
    CanFrame frame;
    const uint8_t t = packet.size() > 1 ? packet[1] : 0;
    frame.format = (t & 0x20) ? FrameFormat::Extended : FrameFormat::Standard;
    frame.type = (t & 0x10) ? FrameType::Remote : FrameType::Data;
    frame.length = t & 0x0F;
    const int idBytes = frame.extended() ? 4 : 2;
    const size_t header = 2 + static_cast<size_t>(idBytes);
    if (packet.size() < header + 1) return frame;
    frame.id = GetId(&packet[2], idBytes);
    frame.carried = static_cast<uint8_t>(std::min<size_t>({frame.length, packet.size() - header - 1, 15}));
    std::copy_n(packet.begin() + static_cast<long>(header), frame.carried, frame.data.begin());
    return frame;
}

CanFrame DecodeFramePacket(const SettingsPacket& p) {
    CanFrame frame;
    frame.format = p[3] == 1 ? FrameFormat::Standard : FrameFormat::Extended;
    frame.type = p[4] == 1 ? FrameType::Data : FrameType::Remote;
    frame.id = GetId(&p[5], 4);
    frame.length = p[9];
    frame.carried = std::min<uint8_t>(p[9], 8);
    std::copy_n(p.begin() + 10, frame.carried, frame.data.begin());
    return frame;
}

}  // namespace tovrin
