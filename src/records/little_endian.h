#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tovrin {

// Appends numbers least significant byte first, as the workbook formats store them.
class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::string& out) : out_(out) {}
    void u8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void u16(uint16_t v) { u8(static_cast<uint8_t>(v)); u8(static_cast<uint8_t>(v >> 8)); }
    void u32(uint32_t v) { u16(static_cast<uint16_t>(v)); u16(static_cast<uint16_t>(v >> 16)); }
    void utf16(std::u16string_view text) { for (const char16_t c : text) u16(c); }
    void zeros(size_t count) { out_.append(count, '\0'); }

private:
    std::string& out_;
};

}  // namespace tovrin
