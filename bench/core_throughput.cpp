// Receive throughput of the whole core: a virtual converter sends as fast as the
// pseudo-terminal takes frames; channel, assembler, controller and traffic ring take
// them on this thread, first in plain placement, then in statistics mode.
#include <cstdio>

#include "controller_run.h"

using namespace tovrin;

int main() {
    bench::ControllerRun run;
    if (!run.Open()) {
        std::fprintf(stderr, "no answer from the converter\n");
        return 1;
    }
    const bench::RunResult plain = run.Receive(bench::FullRatePlan(1000000, 16));

    run.dlg().Click(id::RECEIVE_ONLY);
    run.dlg().Click(id::STATISTICS);
    const bench::RunResult stats = run.Receive(bench::FullRatePlan(500000, 2000));
    const int rows = run.dlg().trafficList().size();

    std::printf("plain: seconds=%.2f frames=%llu lost=%llu\n", plain.seconds,
                static_cast<unsigned long long>(plain.frames), static_cast<unsigned long long>(plain.lost));
    std::printf("statistics: seconds=%.2f frames=%llu lost=%llu rows=%d\n", stats.seconds,
                static_cast<unsigned long long>(stats.frames), static_cast<unsigned long long>(stats.lost), rows);
    std::printf("frames_per_s=%.0f stats_frames_per_s=%.0f lost=%llu\n", plain.perSecond(), stats.perSecond(),
                static_cast<unsigned long long>(plain.lost + stats.lost));
    return plain.lost + stats.lost == 0 && run.boxes() == 0 ? 0 : 1;
}
