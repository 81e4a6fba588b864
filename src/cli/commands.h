#pragma once
#include <span>
#include <string_view>

#include "cli/arguments.h"

namespace tovrin::cli {

// One sub-command: its name, its line in the overview, its --help text, the options
// it takes beside the global ones, and what it does. run returns the exit status or
// throws UsageError / CommandFailure.
struct Command {
    std::string_view name;
    std::string_view summary;
    std::string_view usage;
    std::span<const OptionSpec> options;
    int (*run)(const Arguments& args);
};

const Command& PortsCommand();
const Command& StartCommand();
const Command& MonitorCommand();
const Command& SendCommand();
const Command& BusStateCommand();
const Command& ReceiveIdsCommand();
const Command& SetBaudCommand();
const Command& TransparentCommand();

}  // namespace tovrin::cli
