// Any byte stream: the assembler's index stays within its buffer and every packet it
// hands over is as long as it says and well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/assembler.h"

namespace {

using namespace tovrin;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Byte 1 may be a DataPacket type: a DataPacket with a bad end byte runs on to 20 bytes
// and is then tested as a SettingsPacket.
void RequireGoodSettingsPacket(const SettingsPacket& p) {
    Require(p[0] == PACKET_START && (p[1] == SETTINGS_MARK || (p[1] & 0xC0) == 0xC0) && HasGoodChecksum(p));
}

class CheckingSink : public RxSink {
public:
    CheckingSink(bool display, bool autoAnswer) : m_display(display), m_autoAnswer(autoAnswer) {}

    bool DisplayOn() const override { return m_display; }
    bool AutoAnswerOn() const override { return m_autoAnswer; }
    void OnDataPacketFrame(std::span<const uint8_t> packet) override {
        Require(m_display && packet.size() >= 5 && packet.size() <= SETTINGS_PACKET_SIZE);
        const uint8_t type = packet[1];
        Require(packet[0] == PACKET_START && (type & 0xC0) == 0xC0);
        Require(packet.size() == static_cast<size_t>((type & 0x0F) + ((type & 0x20) ? 7 : 5)));
        Require(packet.back() == DATA_PACKET_END);
        const CanFrame frame = DecodeDataPacket(packet);
        Require(frame.carried <= frame.length && frame.carried <= frame.data.size());
    }
    void OnFramePacket(const SettingsPacket& packet) override {
        Require(m_display && packet[2] == CMD_FRAME);
        RequireGoodSettingsPacket(packet);
        Require(DecodeFramePacket(packet).carried <= 8);
    }
    void OnBusStateReport(const uint8_t*) override {}
    void OnAutoAnswerOffer(const SettingsPacket& packet) override {
        Require(m_autoAnswer);
        RequireGoodSettingsPacket(packet);
    }

private:
    bool m_display;
    bool m_autoAnswer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    CheckingSink sink(data[0] & 1, data[0] & 2);
    RxAssembler assembler;
    for (size_t i = 1; i < size; ++i) {
        assembler.Feed(data[i], sink);
        Require(assembler.index() >= 0 && assembler.index() < static_cast<int>(SETTINGS_PACKET_SIZE));
    }
    return 0;
}
