#pragma once
#include <cstddef>

namespace tovrin::test {

// Entries of /proc/self/fd and /proc/self/task: open descriptors and live threads.
size_t OpenFdCount();
size_t ThreadCount();
double CpuSecondsUsed();  // user + system time of the whole process so far

}  // namespace tovrin::test
