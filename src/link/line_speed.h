#pragma once
#include <optional>

namespace tovrin {

// Line rates that have no B<rate> constant (1228800 for one) go through the Linux
// termios2 interface. Both return false / nothing and leave errno set on failure.
bool SetCustomLineSpeed(int fd, unsigned baud);

// The output rate a terminal is set to, whatever way it was set. On a pseudo-terminal
// master this reads the slave side's rate.
std::optional<unsigned> ReadLineSpeed(int fd);

}  // namespace tovrin
