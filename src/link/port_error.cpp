#include "link/port_error.h"

#include <cstring>

namespace tovrin {

PortError MakePortError(const std::string& operation, const std::string& systemText, unsigned portNumber) {
    return {"WARNING:  " + operation + " Failed with the following error: \n" + systemText +
                "\nPort: " + std::to_string(portNumber) + "\n",
            "Application Error"};
}

PortError MakePortError(const std::string& operation, int errorNumber, unsigned portNumber) {
    return MakePortError(operation, std::string(std::strerror(errorNumber)), portNumber);
}

}  // namespace tovrin
