#pragma once
#include <string>

namespace tovrin {

// The serial channel's error box: what a failed port operation tells the user.
struct PortError {
    std::string text;
    std::string caption;
};

PortError MakePortError(const std::string& operation, const std::string& systemText, unsigned portNumber);
PortError MakePortError(const std::string& operation, int errorNumber, unsigned portNumber);

}  // namespace tovrin
