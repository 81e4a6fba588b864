#include "support/process_census.h"

#include <sys/resource.h>

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

}  // namespace tovrin::test
