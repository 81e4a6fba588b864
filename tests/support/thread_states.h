#pragma once
#include <sys/types.h>

#include <string>

namespace tovrin::test {

// The states of a process's threads, one letter each ('S' = waiting): how a test or
// benchmark sees that a program it started has settled into its wait.
std::string ThreadStates(pid_t pid);

}  // namespace tovrin::test
