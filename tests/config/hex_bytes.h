#pragma once
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "link/packet.h"

// "AA 55 10" -> {0xAA, 0x55, 0x10}
inline tovrin::Bytes HexBytes(std::string_view text) {
    tovrin::Bytes bytes;
    std::istringstream in{std::string(text)};
    for (std::string pair; in >> pair;) bytes.push_back(static_cast<uint8_t>(std::strtoul(pair.c_str(), nullptr, 16)));
    return bytes;
}

inline tovrin::Bytes BytesOf(const tovrin::SettingsPacket& packet) { return {packet.begin(), packet.end()}; }
