#include "cli/port_choice.h"

#include <string>
#include <vector>

#include "app/selector_restore.h"
#include "cli/cli_error.h"
#include "config/com_baud.h"

namespace tovrin::cli {
namespace {

constexpr uint64_t BAUD_MAX = 4'000'000;

// The window's COM baud selector holds the converter's six rates; a stored text that
// finds none of them there leaves it at 2000000.
unsigned RememberedBaud(const Profile& settings) {
    std::vector<std::string> texts;
    for (const ConverterBaudEntry& entry : CONVERTER_BAUD_ENTRIES) texts.emplace_back(entry.text);
    const int found = FindBySelectorRule(texts, settings.ReadText("COM", "COM Baud rate", ""));
    return found < 0 ? DEFAULT_BAUD : static_cast<unsigned>(CONVERTER_BAUD_ENTRIES[static_cast<size_t>(found)].baud);
}

}  // namespace

PortChoice ChoosePort(const Arguments& args, const Profile& settings) {
    PortChoice choice;
    choice.path = args.Value("port").value_or(settings.ReadText("COM", "COM", ""));
    if (choice.path.empty()) throw UsageError("no port: give --port PATH (or open one in the window once)");
    const std::optional<std::string> baud = args.Value("baud");
    choice.baud = baud ? static_cast<unsigned>(ParseUnsigned(*baud, 1, BAUD_MAX, "--baud")) : RememberedBaud(settings);
    return choice;
}

}  // namespace tovrin::cli
