#include "transmit/auto_answer.h"

namespace tovrin {

bool MatchesAutoAnswer(const SettingsPacket& p, const ComposedFrame& pattern) {
    if (p[2] != CMD_FRAME) return false;
    if (p[3] != static_cast<uint8_t>(pattern.format) || p[4] != static_cast<uint8_t>(pattern.type)) return false;
    const auto& id = pattern.id.bytes;
    if (pattern.format == FrameFormat::Standard) return p[5] == id[0] && p[6] == (id[1] & 0x07);
    return p[5] == id[0] && p[6] == id[1] && p[7] == id[2] && p[8] == (id[3] & 0x1F);
}

SettingsPacket BuildAnswerPacket(const ComposedFrame& frame) { return BuildFramePacket(ToCanFrame(frame)); }

}  // namespace tovrin
