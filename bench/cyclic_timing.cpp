// Cyclic sending as the converter sees it: the real window controller sends a three-row
// frame list every 10 ms for 10 s over a pseudo-terminal, and the converter's end stamps
// each frame as it arrives.
//
// Prints: frames=N mean_period_ms=X p99_period_ms=Y lost=N
//   frames  frames that arrived in list order
//   period  time between consecutive arrivals
//   lost    frames the controller sent minus frames that arrived in order
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "controller_run.h"
#include "link/event_fd.h"
#include "sim/host_packet_parser.h"
#include "sim/pseudo_terminal.h"

namespace {

using namespace tovrin;
using bench::Clock;

constexpr int ROWS = 3;
constexpr int INTERVAL_MS = 10;
constexpr auto RUN_TIME = std::chrono::seconds(10);
constexpr auto DRAIN_TIME = std::chrono::milliseconds(500);

// The send timer is served by RunSendTimer on the bench's main thread.
class TimedPlatform : public bench::BenchPlatform {
public:
    void StartTimer(int timerId, int periodMs) override {
        if (timerId == SEND_TIMER) sendPeriodMs = periodMs;
    }
    void StopTimer(int timerId) override {
        if (timerId == SEND_TIMER) sendPeriodMs.reset();
    }

    std::optional<int> sendPeriodMs;
};

struct Arrival {
    Clock::time_point at;
    uint32_t id;
};

// The converter's end of the line: the sim's packet parser, and a stamp per frame taken
// the moment its last byte is read.
class ConverterEnd {
public:
    ConverterEnd() : m_thread([this] { Run(); }) {}
    ~ConverterEnd() {
        m_stop.Signal();
        m_thread.join();
    }
    const std::string& DevicePath() const { return m_pty.SlavePath(); }
    std::vector<Arrival> Arrivals() {
        std::lock_guard lock(m_mutex);
        return m_arrivals;
    }

private:
    void Run() {
        uint8_t buffer[4096];
        for (;;) {
            pollfd fds[] = {{m_stop.fd(), POLLIN, 0}, {m_pty.MasterFd(), POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) continue;
            if (fds[0].revents) return;
            const ssize_t n = read(m_pty.MasterFd(), buffer, sizeof buffer);
            if (n <= 0) continue;
            const Clock::time_point at = Clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                const std::optional<Bytes> packet = m_parser.Feed(buffer[i]);
                // Only DataPackets: the start command goes by as a settings packet.
                if (!packet || (*packet)[1] == SETTINGS_MARK) continue;
                std::lock_guard lock(m_mutex);
                m_arrivals.push_back({at, DecodeDataPacket(*packet).id});
            }
        }
    }

    sim::PseudoTerminal m_pty;
    sim::HostPacketParser m_parser;
    EventFd m_stop;
    std::mutex m_mutex;
    std::vector<Arrival> m_arrivals;
    std::thread m_thread;
};

timespec ToTimespec(Clock::time_point t) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

// The send timer on this thread, as a window's timer ticks on its UI thread: each tick
// has an absolute deadline, so a late tick does not push the later ones back.
void RunSendTimer(CKelvaraDlg& dlg, TimedPlatform& platform, Clock::time_point end) {
    // steady_clock is CLOCK_MONOTONIC on Linux.
    Clock::time_point deadline = Clock::now();
    while (platform.sendPeriodMs && deadline < end) {
        deadline += std::chrono::milliseconds(*platform.sendPeriodMs);
        const timespec at = ToTimespec(deadline);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
        }
        dlg.OnTimer(SEND_TIMER);
        dlg.port().DeliverPending();
    }
}

// Arrivals matched, in order, against what the controller sent: rows 1, 2, 3, 1, ...
// A frame that went missing is skipped over; one that comes out of turn uses up the
// frames between.
int InOrder(const std::vector<Arrival>& arrivals, int sent) {
    int count = 0;
    int k = 0;
    for (const Arrival& a : arrivals) {
        while (k < sent && static_cast<uint32_t>(k % ROWS + 1) != a.id) ++k;
        if (k >= sent) break;
        ++count;
        ++k;
    }
    return count;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Measured {
    int sent = 0;
    std::vector<Arrival> arrivals;
};

// Sent is counted by the controller itself: one record per frame it hands to the port.
std::optional<Measured> MeasureRun(const std::filesystem::path& dir) {
    ConverterEnd converter;
    TimedPlatform platform;
    CKelvaraDlg dlg(platform, (dir / "cfgCANA.ini").string());
    dlg.OnInitDialog();
    dlg.Type(id::PORT, converter.DevicePath());
    dlg.Click(id::OPEN);
    dlg.Click(id::SET_AND_START);
    if (!dlg.port().IsOpen() || !dlg.controls().Get(id::SEND_MULTIPLE).enabled) return std::nullopt;

    for (int row = 0; row < ROWS; ++row) {
        dlg.Click(id::FRAMES_ADD);
        dlg.frameList().SetCell(row, 3, std::to_string(row + 1));
    }
    dlg.Type(id::INTERVAL, std::to_string(INTERVAL_MS));
    dlg.Click(id::CYCLE);

    Measured measured;
    const int recordsBefore = dlg.recordCounter();
    dlg.Click(id::SEND_MULTIPLE);
    RunSendTimer(dlg, platform, Clock::now() + RUN_TIME);
    dlg.Click(id::STOP_SENDING);
    measured.sent = dlg.recordCounter() - recordsBefore;

    std::this_thread::sleep_for(DRAIN_TIME);
    measured.arrivals = converter.Arrivals();
    return measured;
}

}  // namespace

int main() {
    char dirTemplate[] = "/tmp/tovrin-bench-XXXXXX";
    if (!mkdtemp(dirTemplate)) return 1;
    const std::optional<Measured> measured = MeasureRun(dirTemplate);
    std::filesystem::remove_all(dirTemplate);
    if (!measured) {
        std::fprintf(stderr, "the port did not open\n");
        return 1;
    }

    const std::vector<Arrival>& arrivals = measured->arrivals;
    std::vector<double> periods;
    for (size_t i = 1; i < arrivals.size(); ++i) periods.push_back(Ms(arrivals[i].at - arrivals[i - 1].at));
    double mean = 0, p99 = 0;
    if (!periods.empty()) {
        for (double p : periods) mean += p;
        mean /= static_cast<double>(periods.size());
        std::sort(periods.begin(), periods.end());
        p99 = periods[std::min(periods.size() - 1, periods.size() * 99 / 100)];
    }
    const int frames = InOrder(arrivals, measured->sent);
    std::printf("frames=%d mean_period_ms=%.3f p99_period_ms=%.3f lost=%d\n", frames, mean, p99,
                measured->sent - frames);
    return 0;
}
