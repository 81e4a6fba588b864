#include <cstdio>

#include "cli/commands.h"
#include "cli/serial_port_list.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli ports\n"
    "Lists the serial ports: the device path, a tab, and what the system says about it.\n";

int RunPorts(const Arguments& args) {
    CheckPositionalCount(args, 0, 0);
    for (const SerialPortEntry& port : ListSerialPorts())
        std::printf("%s\t%s\n", port.path.c_str(), port.description.c_str());
    return 0;
}

}  // namespace

const Command& PortsCommand() {
    static const Command command{"ports", "list the serial ports", USAGE, {}, RunPorts};
    return command;
}

}  // namespace tovrin::cli
