#pragma once
#include <string>

#include "config/bilingual_text.h"
#include "config/bit_timing.h"
#include "config/checked.h"
#include "link/packet.h"

namespace tovrin {

// The window has these two texts in Chinese only and shows them in both languages.
inline constexpr BilingualText FILTER_ID_TOO_LONG_MESSAGE{"滤波ID数据长度不能超过4个字节",
                                                          "滤波ID数据长度不能超过4个字节"};
inline constexpr BilingualText MASK_ID_TOO_LONG_MESSAGE{"屏蔽ID数据长度不能超过4个字节",
                                                        "屏蔽ID数据长度不能超过4个字节"};

// What Set and Start reads from the window: selector positions and field values.
struct StartCommandInput {
    bool customBitRate = false;
    int standardEntry = DEFAULT_STANDARD_ENTRY;  // standard bit-rate list
    int sjwEntry = 0;                            // segment selectors
    int bs1Entry = DEFAULT_BS1_ENTRY;
    int bs2Entry = DEFAULT_BS2_ENTRY;
    int prescaler = DEFAULT_PRESCALER;           // the accepted prescaler, not the field's text
    int frameTypeEntry = 1;  // 0 standard, 1 extended
    int workModeEntry = 0;   // 0 normal, 1 loop back, 2 silent, 3 loop back + silent
    std::string filterId = "00000000";
    std::string maskId = "00000000";
    bool noRetransmit = false;
};

// The 0x12 packet (standard rate) or the 0x13 packet (custom timing). Refused when
// an identifier text is longer than eight characters, the filter checked first. An
// empty identifier sends 0. A selector without a selection sends the entry that the
// window falls back to when it has nothing stored.
Checked<SettingsPacket> BuildStartCommand(const StartCommandInput& input);

// The frame-type selector's position as a frame format; no selection is extended.
FrameFormat FrameFormatOfEntry(int frameTypeEntry);

}  // namespace tovrin
