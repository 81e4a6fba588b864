#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "config/bilingual_text.h"

namespace tovrin {

// Identifier fields hold up to eight hexadecimal digits, most significant first.
// Lengths count UTF-16 units, as the fields count characters.
constexpr size_t IDENTIFIER_TEXT_MAX = 8;

inline constexpr BilingualText ID_ERROR_MESSAGE{"ID有错误", "ID error"};

bool IsIdentifierTextTooLong(std::string_view text);

// A text of 1 to 8 characters is filled with '0' on the left and read as four
// two-character pairs from the right, each pair like a "%x" scan ("5G" is 0x05,
// "G5" is 0). Empty or longer than eight characters: no value.
std::optional<uint32_t> ParseIdentifierText(std::string_view text);

}  // namespace tovrin
