#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "link/can_frame.h"
#include "link/packet.h"

namespace tovrin::sim {

enum class PacketForm { DataPacket, FramePacket };  // DataPacket, or SettingsPacket 0x01

struct HostFrame {
    CanFrame frame;
    PacketForm form;
};

// The last start command, as the converter took it.
struct StartCommand {
    std::optional<uint8_t> bitRateCode;   // 0x12
    std::optional<CustomTiming> timing;   // 0x13
    StartSettings settings;
};

struct ErrorState {
    uint8_t receiveErrors = 0;
    uint8_t transmitErrors = 0;
    bool busOff = false;
    bool errorPassive = false;
    bool errorWarning = false;
    uint8_t lastErrorCode = 0;  // 0..7
};

// What the host has told the converter so far.
struct ConverterState {
    std::optional<StartCommand> start;
    std::vector<uint32_t> receiveIds;  // empty: every identifier passes
    std::optional<uint8_t> comBaudCode;
    std::optional<TransparentSetup> transparent;
    std::vector<HostFrame> hostFrames;  // frames the host had the converter transmit
    uint64_t busStateQueries = 0;
    ErrorState errors;
};

// The converter's line rate for a COM baud code of command 0x06, nothing for an unknown code.
std::optional<unsigned> ComBaudRate(uint8_t code);

// The converter's behaviour, without any line: takes the host's packets, answers them,
// and decides which bus frames reach the host.
class ConverterModel {
public:
    // Acts on one whole packet from the host; returns what the converter sends back.
    Bytes Take(const Bytes& packet);

    // A bus frame reaches the host after a start, when (id & mask) == (filter & mask)
    // and the receive-identifier list is empty or holds the id.
    bool Accepts(const CanFrame& frame) const;

    const ConverterState& State() const { return m_state; }
    void SetErrors(const ErrorState& errors) { m_state.errors = errors; }

private:
    Bytes TakeFrame(const CanFrame& frame, PacketForm form);
    Bytes BusStateReport() const;

    ConverterState m_state;
};

Bytes EncodeFrame(const CanFrame& frame, PacketForm form);

}  // namespace tovrin::sim
