// Ten minutes (or --minutes N) of the window controller at the line's limit: the port
// is closed and opened again every 10 s, and the frame list is sent cyclically every
// 10 ms all the while. The load runs in a child process, so that a crash (or a
// sanitizer's report) is counted instead of ending the count.
//   soak [--minutes N]
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "controller_run.h"
#include "support/process_census.h"

using namespace tovrin;
using namespace std::chrono_literals;
using bench::Clock;
using bench::FrameNumber;

namespace {

constexpr double FRAMES_PER_SECOND = 15000;  // eight-byte standard frames at 2,000,000 baud
constexpr auto CYCLE = 10s;
constexpr auto RECEIVING = 9s;  // of each cycle; the rest opens, closes and drains

// Timers that really tick: the loop fires the ones that are due.
class TickingPlatform : public bench::BenchPlatform {
public:
    void StartTimer(int timerId, int periodMs) override {
        timers_[timerId] = {std::chrono::milliseconds(periodMs), Clock::now() + std::chrono::milliseconds(periodMs)};
    }
    void StopTimer(int timerId) override { timers_.erase(timerId); }

    void FireDue(CKelvaraDlg& dlg) {
        const auto now = Clock::now();
        std::vector<int> due;
        for (auto& [timerId, timer] : timers_) {
            if (timer.next > now) continue;
            timer.next = std::max(timer.next + timer.period, now);
            due.push_back(timerId);
        }
        for (int timerId : due) dlg.OnTimer(timerId);
    }

private:
    struct Timer {
        std::chrono::milliseconds period;
        Clock::time_point next;
    };
    std::map<int, Timer> timers_;
};

// Received rows, each checked for its number, and the sent ones that share the list.
class ReceivedFrames : public TrafficListObserver {
public:
    explicit ReceivedFrames(TrafficList& list) : list_(list) { list.SetObserver(this); }
    ~ReceivedFrames() override { list_.SetObserver(nullptr); }
    void RowsChanged(int first, int) override { Count(first); }
    void RowAppended(int position) override { Count(position); }
    void Restart() { placed = next = outOfTurn = 0; }

    uint64_t placed = 0, next = 0, outOfTurn = 0;
    uint64_t sent = 0;  // over every cycle

private:
    void Count(int position) {
        const TrafficRecord& row = list_.row(position);
        if (row[TrafficColumn::Direction] != "Receive") {
            ++sent;
            return;
        }
        const std::string& data = row[TrafficColumn::Data];
        uint64_t number = 0;
        if (!FrameNumber(data, number) || number != next) ++outOfTurn;
        next = number + 1;
        ++placed;
    }

    TrafficList& list_;
};

struct Figures {
    uint64_t frames = 0, lost = 0, sent = 0;
    double rssStartMb = 0, rssEndMb = 0;
};

class Soak {
public:
    Soak() : dlg_(platform_, "cfgCANA.ini"), received_(dlg_.trafficList()) {
        dlg_.OnInitDialog();
        converter_.Start();
        dlg_.Click(id::FRAMES_ADD);
        dlg_.Type(id::INTERVAL, "10");
        dlg_.Click(id::CYCLE);
    }

    // One cycle: open, start, send cyclically while receiving, stop, close.
    bool Cycle(Figures& figures) {
        dlg_.Type(id::PORT, converter_.DevicePath());
        dlg_.Click(id::OPEN);
        if (!dlg_.port().IsOpen()) return false;
        dlg_.Click(id::SET_AND_START);
        dlg_.Click(id::SEND_MULTIPLE);

        sim::TrafficPlan plan = bench::FullRatePlan(
            static_cast<uint64_t>(FRAMES_PER_SECOND * std::chrono::duration<double>(RECEIVING).count()), 16);
        plan.ratePerSecond = FRAMES_PER_SECOND;
        plan.form = sim::FormMix::DataPackets;
        received_.Restart();
        converter_.Generate(plan);
        const auto start = Clock::now();
        auto lastProgress = start;
        uint64_t seen = 0;
        while ((received_.placed < plan.count || Clock::now() - start < CYCLE - 200ms) &&
               Clock::now() - lastProgress < 5s) {
            Pump();
            if (received_.placed != seen) {
                seen = received_.placed;
                lastProgress = Clock::now();
            }
        }
        dlg_.Click(id::STOP_SENDING);
        dlg_.Click(id::CLOSE);
        const uint64_t lost = plan.count - std::min(plan.count, received_.placed) + received_.outOfTurn;
        if (lost > 0)
            std::fprintf(stderr, "a cycle lost %llu: placed=%llu out_of_turn=%llu last=%llu stalled=%d\n",
                         static_cast<unsigned long long>(lost), static_cast<unsigned long long>(received_.placed),
                         static_cast<unsigned long long>(received_.outOfTurn),
                         static_cast<unsigned long long>(received_.next), Clock::now() - lastProgress >= 5s);
        figures.frames += received_.placed;
        figures.sent = received_.sent;
        figures.lost += lost;
        return true;
    }

private:
    void Pump() {
        pollfd fd{dlg_.port().NotifyFd(), POLLIN, 0};
        if (poll(&fd, 1, 2) > 0) dlg_.port().DeliverPending();
        platform_.FireDue(dlg_);
    }

    TickingPlatform platform_;
    sim::VirtualConverter converter_;
    CKelvaraDlg dlg_;
    ReceivedFrames received_;
};

// The child: runs the cycles in a directory of its own and writes the figures so far
// after each one.
int RunSoak(int minutes, int out) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tovrin-soak-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::current_path(pattern);
    Figures figures;
    {
        Soak soak;
        const int cycles = minutes * 6;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            if (!soak.Cycle(figures)) {
                std::fprintf(stderr, "the port did not open in cycle %d\n", cycle);
                return 1;
            }
            if (cycle == 0) figures.rssStartMb = test::ResidentMegabytes();
            figures.rssEndMb = test::ResidentMegabytes();
            dprintf(out, "%llu %llu %llu %.1f %.1f\n", static_cast<unsigned long long>(figures.frames),
                    static_cast<unsigned long long>(figures.lost), static_cast<unsigned long long>(figures.sent),
                    figures.rssStartMb, figures.rssEndMb);
        }
    }
    std::filesystem::current_path("/");
    std::filesystem::remove_all(pattern);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = test::PositiveOption(argc, argv, "--minutes", 10);
    int figuresPipe[2];
    if (pipe(figuresPipe) != 0) return 1;
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
        close(figuresPipe[0]);
        _exit(RunSoak(minutes, figuresPipe[1]));
    }
    close(figuresPipe[1]);
    Figures last;
    if (FILE* figures = fdopen(figuresPipe[0], "r")) {
        unsigned long long frames = 0, lost = 0, sent = 0;
        double start = 0, end = 0;
        while (std::fscanf(figures, "%llu %llu %llu %lf %lf", &frames, &lost, &sent, &start, &end) == 5)
            last = {frames, lost, sent, start, end};
        std::fclose(figures);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int crashes = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    std::printf("sent_cyclically=%llu\n", static_cast<unsigned long long>(last.sent));
    std::printf("minutes=%d frames=%llu lost=%llu crashes=%d rss_start_mb=%.1f rss_end_mb=%.1f\n", minutes,
                static_cast<unsigned long long>(last.frames), static_cast<unsigned long long>(last.lost), crashes,
                last.rssStartMb, last.rssEndMb);
    return crashes == 0 && last.lost == 0 ? 0 : 1;
}
