#include "support/recording_owner.h"

#include <algorithm>

namespace tovrin::test {

void RecordingOwner::OnRxByte(uint8_t byte, long portNumber) {
    bytes.push_back(byte);
    if (std::find(portNumbers.begin(), portNumbers.end(), portNumber) == portNumbers.end())
        portNumbers.push_back(portNumber);
}

void RecordingOwner::OnPortError(const std::string& text, const std::string& caption) {
    errors.push_back({text, caption});
}

}  // namespace tovrin::test
