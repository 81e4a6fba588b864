#include "sim/converter_model.h"

#include <algorithm>
#include <array>

namespace tovrin::sim {
namespace {

uint32_t IdAt(const Bytes& p, size_t offset) {
    uint32_t id = 0;
    for (size_t i = 0; i < 4; ++i) id |= static_cast<uint32_t>(p[offset + i]) << (8 * i);
    return id;
}

FrameFormat FormatAt(const Bytes& p, size_t offset) {
    return p[offset] == 1 ? FrameFormat::Standard : FrameFormat::Extended;
}

StartCommand DecodeStart(const Bytes& p) {
    StartCommand start;
    start.settings.format = FormatAt(p, 4);
    start.settings.filterId = IdAt(p, 5);
    start.settings.maskId = IdAt(p, 9);
    if (p[2] == CMD_START) {
        start.bitRateCode = p[3];
        start.settings.workMode = p[13];
        start.settings.noRetransmit = p[14] != 0;
    } else {
        start.settings.noRetransmit = p[3] == 0;
        start.timing = CustomTiming{p[13], p[14], p[15], static_cast<uint16_t>(p[16] | (p[17] << 8))};
        start.settings.workMode = p[18];
    }
    return start;
}

TransparentSetup DecodeTransparent(const Bytes& p) {
    return {p[3] == 0xAA, FormatAt(p, 4), IdAt(p, 5), IdAt(p, 9)};
}

std::vector<uint32_t> DecodeReceiveIds(const Bytes& p) {
    std::vector<uint32_t> ids(p[3]);
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = IdAt(p, 4 + 4 * i);
    return ids;
}

SettingsPacket AsSettingsPacket(const Bytes& p) {
    SettingsPacket packet{};
    std::copy_n(p.begin(), packet.size(), packet.begin());
    return packet;
}

bool LoopsBack(const StartCommand& start) { return start.settings.workMode == 1 || start.settings.workMode == 3; }

}  // namespace

std::optional<unsigned> ComBaudRate(uint8_t code) {
    static constexpr std::array<unsigned, 6> RATES{2000000, 1228800, 115200, 38400, 19200, 9600};
    if (code >= RATES.size()) return std::nullopt;
    return RATES[code];
}

Bytes EncodeFrame(const CanFrame& frame, PacketForm form) {
    if (form == PacketForm::DataPacket) return BuildDataPacket(frame);
    const SettingsPacket packet = BuildFramePacket(frame);
    return Bytes(packet.begin(), packet.end());
}

Bytes ConverterModel::Take(const Bytes& p) {
    if (p[1] != SETTINGS_MARK) return TakeFrame(DecodeDataPacket(p), PacketForm::DataPacket);
    if (p[2] == CMD_RECEIVE_IDS) {
        m_state.receiveIds = DecodeReceiveIds(p);
        return {};
    }
    switch (p[2]) {
        case CMD_FRAME: return TakeFrame(DecodeFramePacket(AsSettingsPacket(p)), PacketForm::FramePacket);
        case CMD_BUS_STATE: ++m_state.busStateQueries; return BusStateReport();
        case CMD_COM_BAUD: m_state.comBaudCode = p[3]; break;
        case CMD_TRANSPARENT: m_state.transparent = DecodeTransparent(p); break;
        case CMD_START:
        case CMD_START_CUSTOM: m_state.start = DecodeStart(p); break;
        default: break;
    }
    return {};
}

bool ConverterModel::Accepts(const CanFrame& frame) const {
    if (!m_state.start) return false;
    const StartSettings& s = m_state.start->settings;
    if ((frame.id & s.maskId) != (s.filterId & s.maskId)) return false;
    const auto& ids = m_state.receiveIds;
    return ids.empty() || std::find(ids.begin(), ids.end(), frame.id) != ids.end();
}

Bytes ConverterModel::TakeFrame(const CanFrame& frame, PacketForm form) {
    m_state.hostFrames.push_back({frame, form});
    if (m_state.start && LoopsBack(*m_state.start) && Accepts(frame)) return EncodeFrame(frame, form);
    return {};
}

Bytes ConverterModel::BusStateReport() const {
    const ErrorState& e = m_state.errors;
    const uint8_t fields[] = {e.receiveErrors,
                              e.transmitErrors,
                              static_cast<uint8_t>(e.busOff),
                              static_cast<uint8_t>(e.errorPassive),
                              static_cast<uint8_t>(e.errorWarning),
                              static_cast<uint8_t>(e.lastErrorCode & 0x07)};
    const SettingsPacket packet = BuildSettingsPacket(CMD_BUS_STATE, fields);
    return Bytes(packet.begin(), packet.end());
}

}  // namespace tovrin::sim
