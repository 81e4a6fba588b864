#include "records/hex_dec_view.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "records/hex_pair.h"
#include "text/utf.h"

namespace tovrin {
namespace {

struct ViewTexts {
    std::string_view idPrefix, dataSeparator, byteHeading, highFirstHeading, lowFirstHeading;
};

const ViewTexts& TextsFor(bool english) {
    static const ViewTexts kEnglish = {
        "FrameID:0x", "  Data:",
        "\r\n\r\n Byte Convert HEX->DEC（Unsigned, signed）:\r\n",
        "\r\n\r\n Word（HL）Convert HEX->DEC（Unsigned, signed）:\r\n",
        "\r\n\r\n Word（LH）Convert HEX->DEC（Unsigned, signed）:\r\n"};
    static const ViewTexts kChinese = {
        "帧ID:0x", "  数据: ",
        "\r\n\r\n 字节转换 HEX->DEC（无符号，有符号）:\r\n",
        "\r\n\r\n 字（高位在前低位在后）转换 HEX->DEC（无符号，有符号）:\r\n",
        "\r\n\r\n 字（高位在后低位在前）转换 HEX->DEC（无符号，有符号）:\r\n"};
    return english ? kEnglish : kChinese;
}

// The Data Length text as a leading decimal number; 0 when there is none.
size_t AnnouncedLength(const std::string& text) {
    const long n = std::strtol(text.c_str(), nullptr, 10);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

// Byte k stands at characters 3k and 3k+1; a byte exists when its first character does.
std::vector<uint8_t> DataBytes(const TrafficRecord& row) {
    const std::u16string data = Utf8ToUtf16(row[TrafficColumn::Data]);
    const size_t present = (data.size() + 2) / 3;
    const size_t count = std::min(AnnouncedLength(row[TrafficColumn::DataLength]), present);
    std::vector<uint8_t> bytes;
    bytes.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        const char16_t low = 3 * k + 1 < data.size() ? data[3 * k + 1] : u'\0';
        bytes.push_back(HexPairToByte(data[3 * k], low));
    }
    return bytes;
}

void AppendByteEntry(std::string& text, uint8_t b) {
    char entry[40];
    std::snprintf(entry, sizeof entry, "    0x%02x=%d,%d", b, b, static_cast<int8_t>(b));
    text += entry;
}

void AppendWordEntry(std::string& text, uint16_t w) {
    char entry[48];
    std::snprintf(entry, sizeof entry, "    0x%04x=%d,%d", w, w, static_cast<int16_t>(w));
    text += entry;
}

void AppendWords(std::string& text, const std::vector<uint8_t>& bytes, bool highFirst) {
    const size_t words = bytes.size() / 2;
    for (size_t j = 0; j < words; ++j) {
        const uint8_t first = bytes[2 * j], second = bytes[2 * j + 1];
        AppendWordEntry(text, static_cast<uint16_t>(highFirst ? first << 8 | second : second << 8 | first));
        if (j == 1) text += "\r\n";
    }
    if (bytes.size() % 2 != 0) AppendByteEntry(text, bytes.back());
}

}  // namespace

std::string HexDecViewText(const TrafficRecord& row, bool english) {
    const ViewTexts& t = TextsFor(english);
    const std::vector<uint8_t> bytes = DataBytes(row);
    std::string text;
    text.append(t.idPrefix).append(row[TrafficColumn::FrameId]).append(t.dataSeparator).append(row[TrafficColumn::Data]);
    text.append(t.byteHeading);
    for (size_t k = 0; k < bytes.size(); ++k) {
        AppendByteEntry(text, bytes[k]);
        if (k == 3) text += "\r\n";
    }
    text.append(t.highFirstHeading);
    AppendWords(text, bytes, true);
    text.append(t.lowFirstHeading);
    AppendWords(text, bytes, false);
    return text;
}

std::string_view HexDecViewCaption(bool english) { return english ? "Hexadecimal convert" : "进制转换"; }

}  // namespace tovrin
