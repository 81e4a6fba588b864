#include "records/hex_pair.h"

namespace tovrin {
namespace {

int HexDigitValue(char16_t c) {
    const auto narrow = static_cast<uint8_t>(c);
    if (narrow >= '0' && narrow <= '9') return narrow - '0';
    if (narrow >= 'a' && narrow <= 'f') return narrow - 'a' + 10;
    if (narrow >= 'A' && narrow <= 'F') return narrow - 'A' + 10;
    return -1;
}

}  // namespace

uint8_t HexPairToByte(char16_t high, char16_t low) {
    const int h = HexDigitValue(high);
    if (h < 0) return 0;
    const int l = HexDigitValue(low);
    return static_cast<uint8_t>(l < 0 ? h : h * 16 + l);
}

}  // namespace tovrin
