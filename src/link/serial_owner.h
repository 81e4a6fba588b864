#pragma once
#include <cstdint>
#include <string>

namespace tovrin {

// Whoever opened the channel. It receives everything on its own thread, inside
// CSerialPort::DeliverPending().
struct SerialPortOwner {
    virtual ~SerialPortOwner() = default;
    virtual void OnRxByte(uint8_t byte, long portNumber) = 0;  // one call per byte, in arrival order
    // The error box contents; the owner shows it, never the channel.
    virtual void OnPortError(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tovrin
