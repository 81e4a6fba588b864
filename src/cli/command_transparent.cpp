#include <array>

#include "app/profile.h"
#include "cli/can_option_values.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/frame_syntax.h"
#include "cli/saved_can_settings.h"
#include "config/transparent.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli transparent LOCAL REMOTE [--type std|ext]\n"
    "       tovrin-cli transparent --cancel [--type std|ext]\n"
    "Sets up transparent transmission between the local and the remote identifier (1 to 8 hex\n"
    "digits each), or cancels it. --type left out takes the frame type the window saved.\n";

constexpr std::array<OptionSpec, 2> OPTIONS{{{"type", true}, {"cancel", false}}};

int RunTransparent(const Arguments& args) {
    TransparentDialogResult setup;
    setup.confirmed = !args.Has("cancel");
    if (setup.confirmed) {
        CheckPositionalCount(args, 2, 2);
        setup.localId = IdentifierArgument(args.Positionals()[0], "LOCAL");
        setup.remoteId = IdentifierArgument(args.Positionals()[1], "REMOTE");
    } else {
        CheckPositionalCount(args, 0, 0);
    }
    const std::optional<std::string> type = args.Value("type");
    const int frameTypeEntry = type ? FrameTypeEntryOf(*type) : SavedStartInput(Profile()).frameTypeEntry;
    const Checked<SettingsPacket> command = BuildTransparentCommand(setup, frameTypeEntry);
    SendPacket(ChoosePort(args, Profile()), command.value.value());
    return 0;
}

}  // namespace

const Command& TransparentCommand() {
    static const Command command{"transparent", "set up or cancel transparent transmission", USAGE, OPTIONS,
                                 RunTransparent};
    return command;
}

}  // namespace tovrin::cli
