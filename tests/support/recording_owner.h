#pragma once
#include <string>
#include <vector>

#include "link/packet.h"
#include "link/port_error.h"
#include "link/serial_port.h"

namespace tovrin::test {

// A channel owner that keeps everything it is handed.
struct RecordingOwner : CSerialPort::Owner {
    void OnRxByte(uint8_t byte, long portNumber) override;
    void OnPortError(const std::string& text, const std::string& caption) override;

    Bytes bytes;
    std::vector<long> portNumbers;  // the distinct port numbers the bytes came with
    std::vector<PortError> errors;
};

}  // namespace tovrin::test
