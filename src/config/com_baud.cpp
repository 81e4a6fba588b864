#include "config/com_baud.h"

#include <algorithm>

namespace tovrin {

uint8_t BaudCodeOfEntry(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= CONVERTER_BAUD_ENTRIES.size()) return 0;
    return CONVERTER_BAUD_ENTRIES[static_cast<size_t>(entry)].code;
}

std::optional<int> ConverterBaudOfCode(uint8_t code) {
    const auto match = std::find_if(CONVERTER_BAUD_ENTRIES.begin(), CONVERTER_BAUD_ENTRIES.end(),
                                    [code](const ConverterBaudEntry& e) { return e.code == code; });
    if (match == CONVERTER_BAUD_ENTRIES.end()) return std::nullopt;
    return match->baud;
}

const ComBaudDialogTexts& ComBaudDialogFor(bool english) {
    return english ? COM_BAUD_DIALOG_ENGLISH : COM_BAUD_DIALOG_CHINESE;
}

std::string_view DisplayTitle(const ComBaudDialogTexts& texts) {
    std::string_view title = texts.title;
    while (!title.empty() && (title.back() == '\n' || title.back() == '\r')) title.remove_suffix(1);
    return title;
}

std::optional<SettingsPacket> BuildComBaudCommand(bool confirmed, int entry) {
    if (!confirmed) return std::nullopt;
    return BuildComBaudPacket(BaudCodeOfEntry(entry));
}

}  // namespace tovrin
