#include <string>
#include <vector>

#include "app/profile.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/frame_syntax.h"
#include "config/receive_id_filter.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli receive-ids [ID...]\n"
    "Lets only frames with these identifiers (1 to 8 hex digits each, at most 10) reach the host;\n"
    "without any, every identifier passes again.\n";

int RunReceiveIds(const Arguments& args) {
    CheckPositionalCount(args, 0, RECEIVE_ID_ROW_LIMIT);
    std::vector<std::string> ids;
    for (const std::string& word : args.Positionals()) ids.push_back(IdentifierArgument(word, "an identifier"));
    const Bytes packet = ids.empty() ? BuildDisableReceiveIds() : BuildEnableReceiveIds(ids).value.value();
    SendPacket(ChoosePort(args, Profile()), packet);
    return 0;
}

}  // namespace

const Command& ReceiveIdsCommand() {
    static const Command command{
        "receive-ids", "pass only frames with the given identifiers", USAGE, {}, RunReceiveIds};
    return command;
}

}  // namespace tovrin::cli
