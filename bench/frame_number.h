#pragma once
#include <cctype>
#include <cstdint>
#include <string>

namespace tovrin::bench {

// The frame number a plan's counter data carries in a Data text: "00 01 02 …", low
// byte first. False when the text holds no eight hexadecimal pairs.
inline bool FrameNumber(const std::string& data, uint64_t& number) {
    if (data.size() < 23) return false;
    number = 0;
    for (size_t i = 0; i < 8; ++i) {
        const std::string pair = data.substr(3 * i, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) || !std::isxdigit(static_cast<unsigned char>(pair[1])))
            return false;
        number |= std::stoull(pair, nullptr, 16) << (8 * i);
    }
    return true;
}

}  // namespace tovrin::bench
