#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "app/profile.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "records/bus_state_text.h"

namespace tovrin::cli {
namespace {

using namespace std::chrono_literals;

constexpr auto REPORT_TIMEOUT = 1s;

constexpr std::string_view USAGE =
    "usage: tovrin-cli bus-state\n"
    "Asks the converter for its bus error state and prints its first report (waits 1 s at most).\n";

// Keeps the text of the first bus state report; frames are not wanted.
class FirstReport final : public RxSink {
public:
    bool DisplayOn() const override { return false; }
    bool AutoAnswerOn() const override { return false; }
    void OnDataPacketFrame(std::span<const uint8_t>) override {}
    void OnFramePacket(const SettingsPacket&) override {}
    void OnBusStateReport(const uint8_t fields[6]) override {
        if (!text) text = BusStateText(BusStateFields(fields, 6), true);
    }
    void OnAutoAnswerOffer(const SettingsPacket&) override {}

    std::optional<std::string> text;
};

// The report's two lines end in CR LF, as the window's field shows them.
std::string WithLineFeeds(const std::string& text) {
    std::string lines;
    for (const char c : text)
        if (c != '\r') lines += c;
    return lines + "\n";
}

int RunBusState(const Arguments& args) {
    CheckPositionalCount(args, 0, 0);
    const PortChoice port = ChoosePort(args, Profile());
    FirstReport report;
    CliSession session(port, &report);
    session.Send(BuildBusStateQuery());
    const auto end =
        session.PumpUntil([&] { return report.text.has_value(); }, CliSession::Clock::now() + REPORT_TIMEOUT);
    if (end != CliSession::PumpEnd::Done) throw CommandFailure(port.path + ": no bus state report within 1 s");
    std::fputs(WithLineFeeds(*report.text).c_str(), stdout);
    return 0;
}

}  // namespace

const Command& BusStateCommand() {
    static const Command command{"bus-state", "print the converter's bus error state", USAGE, {}, RunBusState};
    return command;
}

}  // namespace tovrin::cli
