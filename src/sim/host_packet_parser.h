#pragma once
#include <cstdint>
#include <optional>

#include "link/packet.h"

namespace tovrin::sim {

// Collects the bytes the host sends into whole packets: DataPackets, 20-byte
// SettingsPackets and the receive-identifier list of 4n + 5 bytes. A packet that does
// not end as it should (end byte, checksum) is dropped and the search starts afresh.
class HostPacketParser {
public:
    // The packet completed by this byte, if any.
    std::optional<Bytes> Feed(uint8_t byte);

private:
    size_t ExpectedLength() const;
    bool IsWhole() const;

    Bytes m_packet;
};

}  // namespace tovrin::sim
