#pragma once
#include <string>
#include <string_view>

#include "link/packet.h"

namespace tovrin::test {

// "AA 55 04" -> bytes; "00x16" repeats a byte: "AA 55 04 00x16 04".
Bytes Hex(std::string_view text);
std::string ToHex(const Bytes& bytes);  // "AA 55 04"

}  // namespace tovrin::test
