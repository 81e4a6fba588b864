#include "config/bit_timing.h"

#include <algorithm>
#include <cstdio>

namespace tovrin {
namespace {

int TimeQuanta(int entry, size_t entryCount) {
    return entry >= 0 && static_cast<size_t>(entry) < entryCount ? entry + 1 : 0;
}

// Leading digits only; stops counting once past the accepted range so that a long
// run of digits cannot overflow.
int LeadingDecimal(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), PRESCALER_MAX + 1);
    }
    return value;
}

}  // namespace

std::optional<StandardBitRate> StandardBitRateAt(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= STANDARD_BIT_RATES.size()) return std::nullopt;
    return STANDARD_BIT_RATES[static_cast<size_t>(entry)];
}

int ComputeCustomRate(int sjwEntry, int bs1Entry, int bs2Entry, int prescaler) {
    const int quanta = TimeQuanta(sjwEntry, SJW_ENTRY_TEXTS.size()) + TimeQuanta(bs1Entry, BS1_ENTRY_TEXTS.size()) +
                       TimeQuanta(bs2Entry, Bs2EntryTexts().size());
    if (quanta == 0 || prescaler < 1) return 0;
    return CAN_CLOCK_HZ / quanta / prescaler;
}

std::string FormatCanBitRate(int rate) {
    char text[32];
    if (rate % 1000 == 0) {
        std::snprintf(text, sizeof text, "%dkbps", rate / 1000);
    } else {
        std::snprintf(text, sizeof text, "%d.%03dkbps", rate / 1000, rate % 1000);
    }
    return text;
}

std::optional<int> AcceptPrescaler(std::string_view text) {
    const int value = LeadingDecimal(text);
    if (value < PRESCALER_MIN || value > PRESCALER_MAX) return std::nullopt;
    return value;
}

PrescalerDecision DecidePrescaler(std::string_view previousText, std::string_view currentText) {
    const std::string_view candidate = currentText.empty() ? previousText : currentText;
    const std::optional<int> accepted = AcceptPrescaler(candidate);
    return {std::string(accepted ? candidate : previousText), accepted};
}

int StartUpPrescaler(std::string_view storedText) { return AcceptPrescaler(storedText).value_or(DEFAULT_PRESCALER); }

std::string SamplePointText(int bs1Entry, int bs2Entry) {
    const int before = 1 + TimeQuanta(bs1Entry, BS1_ENTRY_TEXTS.size());
    const int total = before + TimeQuanta(bs2Entry, Bs2EntryTexts().size());
    const int tenths = (1000 * before + total / 2) / total;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d%%", tenths / 10, tenths % 10);
    return text;
}

int ClampBs1Entry(int storedEntry) { return std::clamp(storedEntry, 0, static_cast<int>(BS1_ENTRY_TEXTS.size()) - 1); }

int ClampBs2Entry(int storedEntry) { return std::clamp(storedEntry, 0, static_cast<int>(Bs2EntryTexts().size()) - 1); }

int StandardEntryForTiming(int bs1Entry, int bs2Entry, int prescaler) {
    const auto match = std::find_if(STANDARD_BIT_RATES.begin(), STANDARD_BIT_RATES.end(), [&](const StandardBitRate& r) {
        return r.bs1Entry == bs1Entry && r.bs2Entry == bs2Entry && r.prescaler == prescaler;
    });
    return match == STANDARD_BIT_RATES.end() ? DEFAULT_STANDARD_ENTRY
                                             : static_cast<int>(match - STANDARD_BIT_RATES.begin());
}

}  // namespace tovrin
