#include "support/hex.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace tovrin::test {

Bytes Hex(std::string_view text) {
    Bytes bytes;
    std::istringstream in{std::string(text)};
    std::string token;
    while (in >> token) {
        const size_t x = token.find('x');
        const auto value = static_cast<uint8_t>(std::stoul(token.substr(0, x), nullptr, 16));
        const size_t repeat = x == std::string::npos ? 1 : std::stoul(token.substr(x + 1));
        if (token.substr(0, x).size() != 2) throw std::invalid_argument("hex byte: " + token);
        bytes.insert(bytes.end(), repeat, value);
    }
    return bytes;
}

std::string ToHex(const Bytes& bytes) {
    std::string text;
    char b[4];
    for (const uint8_t byte : bytes) {
        std::snprintf(b, sizeof b, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += b;
    }
    return text;
}

}  // namespace tovrin::test
