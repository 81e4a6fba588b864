#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "app/profile.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/frame_syntax.h"
#include "cli/interrupt_signal.h"
#include "link/packet.h"

namespace tovrin::cli {
namespace {

constexpr std::string_view USAGE =
    "usage: tovrin-cli send ID#DATA [ID#DATA...] [--every MS] [--repeat N]\n"
    "Sends the frames in turn: 123#1122 (standard), 18FF0001#R (8 digits: extended; R: remote,\n"
    "R3: remote with length 3), 123#11.22 (dots between bytes are allowed).\n"
    "  --every MS   one frame every MS milliseconds (default: as fast as the port takes them)\n"
    "  --repeat N   go through the frames N times (default 1; 0: until Ctrl+C)\n";

constexpr std::array<OptionSpec, 2> OPTIONS{{{"every", true}, {"repeat", true}}};
constexpr uint64_t EVERY_MAX_MS = 3'600'000;
constexpr uint64_t REPEAT_MAX = 1'000'000'000;

int RunSend(const Arguments& args) {
    CheckPositionalCount(args, 1, SIZE_MAX);
    std::vector<Bytes> packets;
    for (const std::string& word : args.Positionals()) packets.push_back(BuildDataPacket(ParseFrameArgument(word)));
    const std::optional<std::string> everyText = args.Value("every"), repeatText = args.Value("repeat");
    const std::chrono::milliseconds every{everyText ? ParseUnsigned(*everyText, 1, EVERY_MAX_MS, "--every") : 0};
    const uint64_t rounds = repeatText ? ParseUnsigned(*repeatText, 0, REPEAT_MAX, "--repeat") : 1;

    const InterruptSignal interrupt;
    CliSession session(ChoosePort(args, Profile()), nullptr);
    // Due times count from the first frame, so the period does not drift.
    const auto sendRounds = [&] {
        CliSession::Clock::time_point due = CliSession::Clock::now() - every;
        for (uint64_t round = 0; rounds == 0 || round < rounds; ++round) {
            for (const Bytes& packet : packets) {
                due += every;
                if (session.PumpUntil([] { return false; }, due, &interrupt) == CliSession::PumpEnd::Interrupted)
                    return;
                session.Send(packet);
            }
        }
    };
    sendRounds();
    session.FinishWrites();
    return 0;
}

}  // namespace

const Command& SendCommand() {
    static const Command command{"send", "send frames, once or repeatedly", USAGE, OPTIONS, RunSend};
    return command;
}

}  // namespace tovrin::cli
