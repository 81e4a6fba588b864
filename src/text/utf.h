#pragma once
#include <string>
#include <string_view>

namespace tovrin {

// Texts are UTF-8 everywhere in the program; rules that count or narrow "characters"
// work on UTF-16 units, as the converter's users have always seen them counted.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
size_t Utf16Length(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);

}  // namespace tovrin
