#include "support/process_census.h"

#include <sys/resource.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>

namespace tovrin::test {
namespace {
size_t EntriesOf(const char* dir) {
    std::error_code ec;
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir, ec), {}));
}
}  // namespace

size_t OpenFdCount() { return EntriesOf("/proc/self/fd"); }
size_t ThreadCount() { return EntriesOf("/proc/self/task"); }

double CpuSecondsUsed() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ResidentMegabytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

int PositiveOption(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

}  // namespace tovrin::test
