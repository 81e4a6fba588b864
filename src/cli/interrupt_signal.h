#pragma once

namespace tovrin::cli {

// While one exists (one at a time), Ctrl+C (SIGINT) and SIGTERM ask the running
// command to finish cleanly instead of ending the process: its fd becomes readable
// and Raised() true.
class InterruptSignal {
public:
    InterruptSignal();  // throws CommandFailure when the signals cannot be taken over
    ~InterruptSignal();
    InterruptSignal(const InterruptSignal&) = delete;
    InterruptSignal& operator=(const InterruptSignal&) = delete;

    int fd() const;
    bool Raised() const;
};

}  // namespace tovrin::cli
