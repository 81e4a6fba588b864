#include "support/pump.h"

#include <poll.h>

#include <thread>

namespace tovrin::test {
namespace {
using Clock = std::chrono::steady_clock;

void PumpOnce(CSerialPort& port, std::chrono::milliseconds wait) {
    pollfd fd{port.NotifyFd(), POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(wait.count())) > 0) port.DeliverPending();
}
}  // namespace

bool PumpUntil(CSerialPort& port, const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= end) return false;
        PumpOnce(port, std::chrono::milliseconds(20));
    }
    return true;
}

void PumpFor(CSerialPort& port, std::chrono::milliseconds span) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) PumpOnce(port, std::chrono::milliseconds(10));
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace tovrin::test
