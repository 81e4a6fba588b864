#include "cli/saved_can_settings.h"

#include <string>
#include <vector>

#include "app/captions.h"
#include "app/selector_restore.h"
#include "records/frame_texts.h"

namespace tovrin::cli {
namespace {

int RestoredEntry(const std::vector<std::string>& entries, const Profile& settings, const std::string& key,
                  int fallback) {
    const int found = FindBySelectorRule(entries, settings.ReadText("CAN", key, ""));
    return found < 0 ? fallback : found;
}

std::vector<std::string> StandardRateTexts() {
    std::vector<std::string> texts;
    for (const StandardBitRate& rate : STANDARD_BIT_RATES) texts.emplace_back(rate.text);
    return texts;
}

}  // namespace

StartCommandInput SavedStartInput(const Profile& settings) {
    StartCommandInput input;
    input.customBitRate = settings.ReadInt("CAN", "AUTO SET CAN BSP", 0) > 0;
    if (!input.customBitRate) {
        const int found = FindBySelectorRule(StandardRateTexts(), settings.ReadText("CAN", "CAN Baud rate", "250kbps"));
        input.standardEntry = found < 0 ? DEFAULT_STANDARD_ENTRY : found;
    }
    input.bs1Entry = ClampBs1Entry(settings.ReadInt("CAN", "BP1", DEFAULT_BS1_ENTRY));
    input.bs2Entry = ClampBs2Entry(settings.ReadInt("CAN", "BP2", DEFAULT_BS2_ENTRY));
    input.prescaler = StartUpPrescaler(settings.ReadText("CAN", "Pre F", std::to_string(DEFAULT_PRESCALER)));
    input.frameTypeEntry = RestoredEntry(FrameFormatEntries(true), settings, "TYPE", 1);
    input.workModeEntry = RestoredEntry(WorkModeEntries(true), settings, "MODE", 0);
    input.filterId = settings.ReadText("CAN", "Filter ID", "00000000");
    input.maskId = settings.ReadText("CAN", "Mask ID", "00000000");
    return input;
}

}  // namespace tovrin::cli
