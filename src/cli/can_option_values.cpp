#include "cli/can_option_values.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "config/bit_timing.h"

namespace tovrin::cli {
namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

[[noreturn]] void RefuseValue(std::string_view option, const std::string& known, std::string_view text) {
    throw UsageError(std::string(option) + " takes " + known + ", not \"" + std::string(text) + "\"");
}

std::string Alternatives(std::span<const std::string_view> names) {
    std::string known;
    for (const std::string_view name : names) known += (known.empty() ? "" : "|") + std::string(name);
    return known;
}

int PositionOf(std::string_view text, std::span<const std::string_view> names, std::string_view option) {
    const auto found = std::find(names.begin(), names.end(), text);
    if (found == names.end()) RefuseValue(option, Alternatives(names), text);
    return static_cast<int>(found - names.begin());
}

}  // namespace

int FrameTypeEntryOf(std::string_view text) {
    static constexpr std::array<std::string_view, 2> NAMES{"std", "ext"};
    return PositionOf(text, NAMES, "--type");
}

int WorkModeEntryOf(std::string_view text) {
    static constexpr std::array<std::string_view, 4> NAMES{"normal", "loopback", "silent", "loopback-silent"};
    return PositionOf(text, NAMES, "--mode");
}

int StandardBitRateEntryOf(std::string_view text) {
    const auto found = std::find_if(STANDARD_BIT_RATES.begin(), STANDARD_BIT_RATES.end(),
                                    [&](const StandardBitRate& rate) { return SameNoCase(rate.text, text); });
    if (found == STANDARD_BIT_RATES.end()) {
        std::vector<std::string_view> texts;
        for (const StandardBitRate& rate : STANDARD_BIT_RATES) texts.push_back(rate.text);
        RefuseValue("--bitrate", Alternatives(texts), text);
    }
    return static_cast<int>(found - STANDARD_BIT_RATES.begin());
}

CustomTiming CustomTimingOf(std::string_view text) {
    const size_t first = text.find(':');
    const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos) RefuseValue("--custom", "BS1:BS2:PRESCALER", text);
    CustomTiming timing;
    timing.bs1Entry = static_cast<uint8_t>(ParseUnsigned(text.substr(0, first), 1, BS1_ENTRY_TEXTS.size(), "BS1") - 1);
    timing.bs2Entry = static_cast<uint8_t>(
        ParseUnsigned(text.substr(first + 1, second - first - 1), 1, Bs2EntryTexts().size(), "BS2") - 1);
    timing.prescaler =
        static_cast<uint16_t>(ParseUnsigned(text.substr(second + 1), PRESCALER_MIN, PRESCALER_MAX, "PRESCALER"));
    return timing;
}

}  // namespace tovrin::cli
