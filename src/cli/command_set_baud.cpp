#include <algorithm>
#include <cstdio>
#include <string>

#include "app/profile.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "config/com_baud.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli set-baud RATE\n"
    "Switches the converter's own serial rate to RATE: 9600 19200 38400 115200 1228800 2000000.\n"
    "Later commands need --baud RATE.\n";

int RunSetBaud(const Arguments& args) {
    CheckPositionalCount(args, 1, 1);
    const std::string& rate = args.Positionals()[0];
    const auto entry = std::find_if(CONVERTER_BAUD_ENTRIES.begin(), CONVERTER_BAUD_ENTRIES.end(),
                                    [&](const ConverterBaudEntry& e) { return e.text == rate; });
    if (entry == CONVERTER_BAUD_ENTRIES.end()) {
        std::string rates;
        for (const ConverterBaudEntry& e : CONVERTER_BAUD_ENTRIES) rates += " " + std::string(e.text);
        throw UsageError("RATE is one of" + rates + ", not \"" + rate + "\"");
    }
    SendPacket(ChoosePort(args, Profile()), BuildComBaudPacket(entry->code));
    std::printf("the converter now talks at %s baud: use --baud %s from now on\n", rate.c_str(), rate.c_str());
    return 0;
}

}  // namespace

const Command& SetBaudCommand() {
    static const Command command{"set-baud", "change the converter's serial baud rate", USAGE, {}, RunSetBaud};
    return command;
}

}  // namespace tovrin::cli
