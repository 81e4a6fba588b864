#pragma once
#include <string>
#include <vector>

namespace tovrin::cli {

struct SerialPortEntry {
    std::string path;         // /dev/ttyUSB0
    std::string description;  // maker, product and driver where the system knows them
};

// The terminals of /sys/class/tty that have a device behind them, by name. Throws
// CommandFailure when the class directory cannot be read.
std::vector<SerialPortEntry> ListSerialPorts();

}  // namespace tovrin::cli
