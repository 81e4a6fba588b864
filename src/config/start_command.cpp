#include "config/start_command.h"

#include <algorithm>

#include "config/identifier_text.h"

namespace tovrin {
namespace {

uint8_t EntryOr(int entry, size_t entryCount, int fallback) {
    return static_cast<uint8_t>(entry >= 0 && static_cast<size_t>(entry) < entryCount ? entry : fallback);
}

constexpr size_t WORK_MODE_COUNT = 4;

uint32_t IdentifierOrZero(const std::string& text) { return ParseIdentifierText(text).value_or(0); }

CustomTiming TimingOf(const StartCommandInput& in) {
    // The converter takes prescalers of 1..1024 only.
    return {EntryOr(in.sjwEntry, SJW_ENTRY_TEXTS.size(), 0), EntryOr(in.bs1Entry, BS1_ENTRY_TEXTS.size(), DEFAULT_BS1_ENTRY),
            EntryOr(in.bs2Entry, Bs2EntryTexts().size(), DEFAULT_BS2_ENTRY),
            static_cast<uint16_t>(std::clamp(in.prescaler, PRESCALER_MIN, PRESCALER_MAX))};
}

}  // namespace

FrameFormat FrameFormatOfEntry(int frameTypeEntry) {
    return frameTypeEntry == 0 ? FrameFormat::Standard : FrameFormat::Extended;
}

Checked<SettingsPacket> BuildStartCommand(const StartCommandInput& in) {
    if (IsIdentifierTextTooLong(in.filterId)) return Checked<SettingsPacket>::Refuse(FILTER_ID_TOO_LONG_MESSAGE);
    if (IsIdentifierTextTooLong(in.maskId)) return Checked<SettingsPacket>::Refuse(MASK_ID_TOO_LONG_MESSAGE);

    const StartSettings settings{FrameFormatOfEntry(in.frameTypeEntry), IdentifierOrZero(in.filterId),
                                 IdentifierOrZero(in.maskId), EntryOr(in.workModeEntry, WORK_MODE_COUNT, 0),
                                 in.noRetransmit};
    if (in.customBitRate) return Checked<SettingsPacket>::Accept(BuildStartCustomPacket(TimingOf(in), settings));
    const uint8_t code = STANDARD_BIT_RATES[EntryOr(in.standardEntry, STANDARD_BIT_RATES.size(), DEFAULT_STANDARD_ENTRY)].code;
    return Checked<SettingsPacket>::Accept(BuildStartPacket(code, settings));
}

}  // namespace tovrin
