#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "app/profile.h"
#include "cli/cli_error.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/interrupt_signal.h"
#include "cli/monitor_output.h"
#include "cli/record_saver.h"
#include "cli/wall_clock.h"
#include "records/received_record.h"

namespace tovrin::cli {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view USAGE =
    "usage: tovrin-cli monitor [--count N] [--seconds S] [--format records|candump|asc|csv] [--save FILE]\n"
    "Prints the frames the converter receives until N frames, S seconds or Ctrl+C.\n"
    "  --format F   records (the record file's lines, the default), candump, asc or csv\n"
    "  --save FILE  also writes FILE in the format its extension names: .txt (record file),\n"
    "               .xls (workbook), .log (candump), .asc, .csv\n";

constexpr std::array<OptionSpec, 4> OPTIONS{{{"count", true}, {"seconds", true}, {"format", true}, {"save", true}}};
constexpr uint64_t COUNT_MAX = std::numeric_limits<uint64_t>::max();
// Output is written in blocks, not per frame; this bounds how long a line waits.
constexpr auto FLUSH_PERIOD = 200ms;

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void FlushOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw CommandFailure(std::string("standard output: ") + std::strerror(errno));
}

// Turns each received frame, up to the limit, into a record numbered from 0, and
// hands it to the output and to the saved file, once there is one.
class FramePrinter final : public RxSink {
public:
    FramePrinter(LogText& output, std::optional<RecordSaver>& saver, uint64_t limit)
        : m_output(output), m_saver(saver), m_limit(limit) {}

    bool DisplayOn() const override { return true; }
    bool AutoAnswerOn() const override { return false; }
    void OnDataPacketFrame(std::span<const uint8_t> packet) override {
        if (!Finished()) Take(ReceivedRecordFromDataPacket(packet, WallClockNow(), true));
    }
    void OnFramePacket(const SettingsPacket& packet) override {
        if (!Finished()) Take(ReceivedRecordFromFramePacket(packet, WallClockNow(), true));
    }
    void OnBusStateReport(const uint8_t*) override {}
    void OnAutoAnswerOffer(const SettingsPacket&) override {}

    bool Finished() const { return m_printed >= m_limit; }

private:
    void Take(TrafficRecord record) {
        record[TrafficColumn::No] = std::to_string(m_printed++);
        Print(m_output.FrameLines(record));
        if (m_saver) m_saver->Add(record);
    }

    LogText& m_output;
    std::optional<RecordSaver>& m_saver;
    uint64_t m_limit;
    uint64_t m_printed = 0;
};

struct MonitorEnd {
    std::optional<uint64_t> count;
    std::optional<std::chrono::duration<double>> seconds;
};

MonitorEnd EndOf(const Arguments& args) {
    MonitorEnd end;
    if (const auto text = args.Value("count")) end.count = ParseUnsigned(*text, 1, COUNT_MAX, "--count");
    if (const auto text = args.Value("seconds"))
        end.seconds = std::chrono::duration<double>(ParseSeconds(*text, "--seconds"));
    return end;
}

void Pump(CliSession& session, const FramePrinter& printer, std::optional<RecordSaver>& saver,
          CliSession::Clock::time_point deadline, const InterruptSignal& interrupt) {
    for (;;) {
        const auto slice = std::min(deadline, CliSession::Clock::now() + FLUSH_PERIOD);
        const CliSession::PumpEnd end = session.PumpUntil([&] { return printer.Finished(); }, slice, &interrupt);
        FlushOutput();
        if (saver) saver->Flush();
        if (end != CliSession::PumpEnd::TimedOut || CliSession::Clock::now() >= deadline) return;
    }
}

int RunMonitor(const Arguments& args) {
    CheckPositionalCount(args, 0, 0);
    const MonitorEnd end = EndOf(args);
    const std::unique_ptr<LogText> output = MonitorOutput(args.Value("format").value_or("records"));
    const std::optional<std::string> savePath = args.Value("save");
    if (savePath) SaveFormatOf(*savePath);  // a name without a format is refused before the port opens
    const PortChoice port = ChoosePort(args, Profile());

    const InterruptSignal interrupt;
    std::optional<RecordSaver> saver;
    FramePrinter printer(*output, saver, end.count.value_or(COUNT_MAX));
    CliSession session(port, &printer);
    if (savePath) saver.emplace(*savePath);
    const auto deadline =
        end.seconds ? CliSession::Clock::now() + std::chrono::duration_cast<CliSession::Clock::duration>(*end.seconds)
                    : CliSession::Clock::time_point::max();
    Print(output->Opening());
    const auto finish = [&] {
        Print(output->Closing());
        FlushOutput();
        if (saver) saver->Finish();
    };
    try {
        Pump(session, printer, saver, deadline, interrupt);
    } catch (const CommandFailure&) {
        finish();  // what arrived before the failure is kept whole
        throw;
    }
    finish();
    return 0;
}

}  // namespace

const Command& MonitorCommand() {
    static const Command command{"monitor", "print the frames on the bus", USAGE, OPTIONS, RunMonitor};
    return command;
}

}  // namespace tovrin::cli
