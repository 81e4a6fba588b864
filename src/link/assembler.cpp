#include "link/assembler.h"

namespace tovrin {
namespace {
bool IsDataPacketType(uint8_t b) { return (b & 0xC0) == 0xC0; }
}  // namespace

void RxAssembler::Feed(uint8_t byte, RxSink& sink) {
    m_rxBuffer[static_cast<size_t>(m_nRxIndex++)] = byte;

    if (m_nRxIndex == 1) {
        if (byte != PACKET_START) m_nRxIndex = 0;
    } else if (m_nRxIndex == 2) {
        if (IsDataPacketType(byte)) {
            m_nRxExpected = (byte & 0x0F) + ((byte & 0x20) ? 7 : 5);
        } else if (byte == SETTINGS_MARK) {
            m_nRxExpected = static_cast<int>(SETTINGS_PACKET_SIZE);
        } else {
            m_nRxIndex = 0;
        }
    } else if (m_nRxIndex >= m_nRxExpected && IsDataPacketType(m_rxBuffer[1]) &&
               m_nRxExpected <= static_cast<int>(SETTINGS_PACKET_SIZE) &&
               m_rxBuffer[static_cast<size_t>(m_nRxExpected - 1)] == DATA_PACKET_END) {
        m_nRxIndex = 0;
        if (sink.DisplayOn()) {
            // A copy, as in Dispatch: a handler that delivers more bytes refills m_rxBuffer.
            const SettingsPacket packet = m_rxBuffer;
            sink.OnDataPacketFrame(std::span<const uint8_t>(packet.data(), static_cast<size_t>(m_nRxExpected)));
        }
    }

    if (m_nRxIndex == static_cast<int>(SETTINGS_PACKET_SIZE)) {
        m_nRxIndex = 0;
        Dispatch(sink);
    }
}

void RxAssembler::Dispatch(RxSink& sink) {
    if (!HasGoodChecksum(m_rxBuffer)) return;
    // A copy, so that handlers which send or receive cannot disturb what they are given.
    const SettingsPacket packet = m_rxBuffer;
    switch (packet[2]) {
        case CMD_FRAME:
            if (sink.DisplayOn()) sink.OnFramePacket(packet);
            break;
        case CMD_BUS_STATE:
            sink.OnBusStateReport(&packet[3]);
            break;
        default:
            break;
    }
    if (sink.AutoAnswerOn()) sink.OnAutoAnswerOffer(packet);
}

}  // namespace tovrin
