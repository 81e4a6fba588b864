#include "sim/host_packet_parser.h"

namespace tovrin::sim {
namespace {
bool IsDataPacketType(uint8_t b) { return (b & 0xC0) == 0xC0; }
}  // namespace

std::optional<Bytes> HostPacketParser::Feed(uint8_t byte) {
    m_packet.push_back(byte);
    if (m_packet.size() == 1 && byte != PACKET_START) m_packet.clear();
    if (m_packet.size() == 2 && !IsDataPacketType(byte) && byte != SETTINGS_MARK) m_packet.clear();
    if (m_packet.size() < 3 || m_packet.size() < ExpectedLength()) return std::nullopt;

    std::optional<Bytes> whole;
    if (IsWhole()) whole = std::move(m_packet);
    m_packet.clear();
    return whole;
}

// 0 while the bytes so far do not tell the length yet.
size_t HostPacketParser::ExpectedLength() const {
    const uint8_t type = m_packet[1];
    if (IsDataPacketType(type)) return (type & 0x0F) + ((type & 0x20) ? 7u : 5u);
    if (m_packet[2] != CMD_RECEIVE_IDS) return SETTINGS_PACKET_SIZE;
    return m_packet.size() < 4 ? m_packet.size() + 1 : 4u * m_packet[3] + 5u;
}

bool HostPacketParser::IsWhole() const {
    if (IsDataPacketType(m_packet[1])) return m_packet.back() == DATA_PACKET_END;
    return ChecksumOf(m_packet, m_packet.size() - 1) == m_packet.back();
}

}  // namespace tovrin::sim
