#pragma once
#include <cstdint>

namespace tovrin {

// Two characters of a text read as one hexadecimal byte the way a "%x" scan reads
// "0x" followed by them: each character counts by its low 8 bits, reading stops
// at the first one that is not a hexadecimal digit ('5 ' gives 5, 'G5' gives 0).
// A character past the end of a text is passed as 0.
uint8_t HexPairToByte(char16_t high, char16_t low);

}  // namespace tovrin
