#include <array>

#include "app/profile.h"
#include "cli/can_option_values.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/frame_syntax.h"
#include "cli/saved_can_settings.h"
#include "config/start_command.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli start [--bitrate TEXT | --custom BS1:BS2:PRESCALER] [--type std|ext]\n"
    "                        [--mode normal|loopback|silent|loopback-silent] [--filter HEX8] [--mask HEX8] [--once]\n"
    "Configures the converter's CAN side and starts it, as the window's Set and Start does.\n"
    "  --bitrate TEXT   a standard rate: 1Mbps 800kbps 500kbps 400kbps 250kbps 200kbps 125kbps\n"
    "                   100kbps 50kbps 20kbps 10kbps 5kbps (case ignored)\n"
    "  --custom B1:B2:P custom timing: phase buffers in time quanta (1..16, 1..8), prescaler 1..1024\n"
    "  --type std|ext   identifiers the acceptance filter works on\n"
    "  --mode MODE      working mode\n"
    "  --filter HEX8    filter identifier, --mask HEX8 mask identifier (1 to 8 hex digits)\n"
    "  --once           no automatic retransmission\n"
    "Options left out take the values the window saved in cfgCANA.ini, then its defaults.\n";

constexpr std::array<OptionSpec, 7> OPTIONS{{{"bitrate", true},
                                             {"custom", true},
                                             {"type", true},
                                             {"mode", true},
                                             {"filter", true},
                                             {"mask", true},
                                             {"once", false}}};

StartCommandInput InputFrom(const Arguments& args) {
    if (args.Has("bitrate") && args.Has("custom")) throw UsageError("give --bitrate or --custom, not both");
    StartCommandInput input = SavedStartInput(Profile());
    if (const auto text = args.Value("bitrate")) {
        input.customBitRate = false;
        input.standardEntry = StandardBitRateEntryOf(*text);
    }
    if (const auto text = args.Value("custom")) {
        const CustomTiming timing = CustomTimingOf(*text);
        input.customBitRate = true;
        input.sjwEntry = timing.sjwEntry;
        input.bs1Entry = timing.bs1Entry;
        input.bs2Entry = timing.bs2Entry;
        input.prescaler = timing.prescaler;
    }
    if (const auto text = args.Value("type")) input.frameTypeEntry = FrameTypeEntryOf(*text);
    if (const auto text = args.Value("mode")) input.workModeEntry = WorkModeEntryOf(*text);
    if (const auto text = args.Value("filter")) input.filterId = IdentifierArgument(*text, "--filter");
    if (const auto text = args.Value("mask")) input.maskId = IdentifierArgument(*text, "--mask");
    input.noRetransmit = args.Has("once");
    return input;
}

int RunStart(const Arguments& args) {
    CheckPositionalCount(args, 0, 0);
    const Checked<SettingsPacket> command = BuildStartCommand(InputFrom(args));
    if (!command.value) {
        // Only identifiers saved by hand can be too long: the options are checked.
        const bool filter = command.refusal.chinese == FILTER_ID_TOO_LONG_MESSAGE.chinese;
        throw UsageError(std::string("the saved ") + (filter ? "\"Filter ID\"" : "\"Mask ID\"") +
                         " of cfgCANA.ini has more than 8 characters: give " + (filter ? "--filter" : "--mask"));
    }
    SendPacket(ChoosePort(args, Profile()), *command.value);
    return 0;
}

}  // namespace

const Command& StartCommand() {
    static const Command command{"start", "configure and start the converter's CAN side", USAGE, OPTIONS, RunStart};
    return command;
}

}  // namespace tovrin::cli
