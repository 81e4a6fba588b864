#pragma once
#include <stdexcept>

namespace tovrin::cli {

// The command line asks for something the program does not do: exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The port, a file or the converter let the command down: exit status 1.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace tovrin::cli
