#pragma once
#include <chrono>
#include <functional>

#include "link/serial_port.h"

namespace tovrin::test {

// Generous: tests run under sanitizers on a loaded two-core machine.
constexpr std::chrono::milliseconds PUMP_TIMEOUT{20000};

// Plays the owner's thread: waits on the channel's notify fd and delivers until `done`
// holds. False when it still does not hold after `timeout`.
bool PumpUntil(CSerialPort& port, const std::function<bool()>& done,
               std::chrono::milliseconds timeout = PUMP_TIMEOUT);

// Delivers whatever arrives during `span`: for checking that something does NOT come.
void PumpFor(CSerialPort& port, std::chrono::milliseconds span);

// Waits, without delivering anything, until `done` holds.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = PUMP_TIMEOUT);

}  // namespace tovrin::test
