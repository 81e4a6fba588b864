// tovrin-cli: the converter from a terminal or a script, one sub-command per run.
#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/commands.h"

namespace {

using namespace tovrin::cli;

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

constexpr std::string_view GLOBAL_HELP =
    "Global options:\n"
    "  --port PATH   the converter's serial port (default: the port in cfgCANA.ini)\n"
    "  --baud RATE   the port's baud rate (default: the rate in cfgCANA.ini, else 2000000)\n"
    "  --help        this text\n";

const std::array<const Command*, 8>& AllCommands() {
    static const std::array<const Command*, 8> commands{&PortsCommand(),   &StartCommand(),      &MonitorCommand(),
                                                        &SendCommand(),    &BusStateCommand(),   &ReceiveIdsCommand(),
                                                        &SetBaudCommand(), &TransparentCommand()};
    return commands;
}

void PrintOverview(std::FILE* to) {
    std::fputs("usage: tovrin-cli [--port PATH] [--baud RATE] COMMAND [OPTIONS]\nCommands:\n", to);
    for (const Command* command : AllCommands())
        std::fprintf(to, "  %-12s %.*s\n", std::string(command->name).c_str(),
                     static_cast<int>(command->summary.size()), command->summary.data());
    std::fprintf(to, "%.*s'tovrin-cli COMMAND --help' tells more.\n", static_cast<int>(GLOBAL_HELP.size()),
                 GLOBAL_HELP.data());
}

// The first word that is neither an option nor the value of a global option.
size_t CommandPosition(const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--port" || words[i] == "--baud")
            ++i;
        else if (!words[i].starts_with("-"))
            return i;
    }
    return words.size();
}

const Command* FindCommand(std::string_view name) {
    for (const Command* command : AllCommands())
        if (command->name == name) return command;
    return nullptr;
}

int Run(std::vector<std::string> words) {
    const size_t position = CommandPosition(words);
    if (position == words.size()) {
        const bool help = std::find(words.begin(), words.end(), "--help") != words.end();
        PrintOverview(help ? stdout : stderr);
        return help ? 0 : EXIT_USAGE;
    }
    const Command* command = FindCommand(words[position]);
    if (!command) throw UsageError("unknown command \"" + words[position] + "\" (see tovrin-cli --help)");
    words.erase(words.begin() + static_cast<std::ptrdiff_t>(position));
    try {
        const Arguments args(words, command->options);
        if (args.Has("help")) {
            std::printf("%.*s%.*s", static_cast<int>(command->usage.size()), command->usage.data(),
                        static_cast<int>(GLOBAL_HELP.size()), GLOBAL_HELP.data());
            return 0;
        }
        return command->run(args);
    } catch (const UsageError& error) {
        throw UsageError(std::string(command->name) + ": " + error.what() + " (see tovrin-cli " +
                         std::string(command->name) + " --help)");
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Frames are printed in blocks, flushed by the commands on a timer and at the end.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "tovrin-cli: %s\n", error.what());
        return EXIT_USAGE;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tovrin-cli: %s\n", error.what());
        return EXIT_FAILED;
    }
}
