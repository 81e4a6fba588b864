// Receive throughput with Auto Save on: every placed frame is appended to the current
// automatic text file, opened and closed per record. Afterwards the record lines of
// every automatic file (one per counter wrap) are counted against the frames.
#include <cstdio>
#include <fstream>
#include <string>

#include "controller_run.h"

using namespace tovrin;

namespace {

uint64_t RecordLinesIn(const std::filesystem::path& dir) {
    uint64_t lines = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        uint64_t inFile = 0;
        for (std::string line; std::getline(file, line);) ++inFile;
        if (inFile > 0) lines += inFile - 1;  // the header
    }
    return lines;
}

}  // namespace

int main() {
    bench::ControllerRun run;
    if (!run.Open()) {
        std::fprintf(stderr, "no answer from the converter\n");
        return 1;
    }
    run.dlg().Click(id::AUTO_SAVE);
    const uint64_t count = 200000;
    const bench::RunResult saved = run.Receive(bench::FullRatePlan(count, 16));
    const uint64_t lines = RecordLinesIn(run.dir());
    const uint64_t lost = saved.lost + (lines < count ? count - lines : lines - count);

    std::printf("seconds=%.2f frames=%llu record_lines=%llu\n", saved.seconds,
                static_cast<unsigned long long>(saved.frames), static_cast<unsigned long long>(lines));
    std::printf("frames_per_s=%.0f lost=%llu\n", saved.perSecond(), static_cast<unsigned long long>(lost));
    return lost == 0 && run.boxes() == 0 ? 0 : 1;
}
