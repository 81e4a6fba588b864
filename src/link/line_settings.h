#pragma once
#include <optional>
#include <string>

namespace tovrin {

struct LineSettings {
    unsigned baud = 115200;
    char parity = 'N';  // N, E, O, M (mark) or S (space), either case
    int dataBits = 8;   // 5..8
    int stopBits = 1;   // 1 or 2
};

// Which step failed, named as the error box names it, and why.
struct LineSettingsFailure {
    std::string operation;
    int error = 0;
};

// Puts the terminal in raw mode with the given rate and framing. On failure the
// terminal keeps the settings it had.
std::optional<LineSettingsFailure> ApplyLineSettings(int fd, const LineSettings& settings);

}  // namespace tovrin
