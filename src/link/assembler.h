#pragma once
#include <cstdint>
#include <span>

#include "link/packet.h"

namespace tovrin {

// Where assembled packets go. The gates are asked at the moment a packet completes,
// so the owner's current settings apply to it.
class RxSink {
public:
    virtual ~RxSink() = default;
    virtual bool DisplayOn() const = 0;
    virtual bool AutoAnswerOn() const = 0;
    virtual void OnDataPacketFrame(std::span<const uint8_t> packet) = 0;
    virtual void OnFramePacket(const SettingsPacket& packet) = 0;
    virtual void OnBusStateReport(const uint8_t fields[6]) = 0;  // bytes 3..8
    virtual void OnAutoAnswerOffer(const SettingsPacket& packet) = 0;
};

// Collects received bytes into DataPackets and 20-byte SettingsPackets. There is no
// time-out: a packet cut off waits for its bytes for as long as it takes.
class RxAssembler {
public:
    void Feed(uint8_t byte, RxSink& sink);

    int index() const { return m_nRxIndex; }
    int expected() const { return m_nRxExpected; }

private:
    void Dispatch(RxSink& sink);

    SettingsPacket m_rxBuffer{};
    int m_nRxIndex = 0;
    int m_nRxExpected = 20;
};

}  // namespace tovrin
