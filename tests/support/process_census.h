#pragma once
#include <cstddef>

namespace tovrin::test {

// Entries of /proc/self/fd and /proc/self/task: open descriptors and live threads.
size_t OpenFdCount();
size_t ThreadCount();
double CpuSecondsUsed();  // user + system time of the whole process so far
double ResidentMegabytes();  // the process's resident set now

// The number after a command-line option such as "--seconds 15", at least 1.
int PositiveOption(int argc, char** argv, const char* name, int fallback);

}  // namespace tovrin::test
