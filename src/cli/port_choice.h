#pragma once
#include <string>

#include "app/profile.h"
#include "cli/arguments.h"

namespace tovrin::cli {

constexpr unsigned DEFAULT_BAUD = 2000000;

struct PortChoice {
    std::string path;
    unsigned baud = DEFAULT_BAUD;
};

// --port, else the port the window remembers ("COM" in section "COM"); --baud, else
// the window's "COM Baud rate", else 2000000. Throws UsageError when no port is known.
PortChoice ChoosePort(const Arguments& args, const Profile& settings);

}  // namespace tovrin::cli
