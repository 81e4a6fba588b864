#include "records/hex_dec_view.h"

#include <gtest/gtest.h>

#include <string>

#include "records/hex_pair.h"

namespace tovrin {
namespace {

const std::string kBytes = "\r\n\r\n Byte Convert HEX->DEC（Unsigned, signed）:\r\n";
const std::string kHighFirst = "\r\n\r\n Word（HL）Convert HEX->DEC（Unsigned, signed）:\r\n";
const std::string kLowFirst = "\r\n\r\n Word（LH）Convert HEX->DEC（Unsigned, signed）:\r\n";

TrafficRecord Row(const std::string& length, const std::string& data) {
    TrafficRecord row;
    row[TrafficColumn::FrameId] = "00000123";
    row[TrafficColumn::DataLength] = length;
    row[TrafficColumn::Data] = data;
    return row;
}

TEST(HexDecView, EnglishTexts) {
    struct Case {
        std::string length, data, expected;
    } const cases[] = {
        {"0", "", "FrameID:0x00000123  Data:" + kBytes + kHighFirst + kLowFirst},
        {"5", "01 80 ff 7f 12 ",
         "FrameID:0x00000123  Data:01 80 ff 7f 12 " + kBytes +
             "    0x01=1,1    0x80=128,-128    0xff=255,-1    0x7f=127,127\r\n    0x12=18,18" + kHighFirst +
             "    0x0180=384,384    0xff7f=65407,-129\r\n    0x12=18,18" + kLowFirst +
             "    0x8001=32769,-32767    0x7fff=32767,32767\r\n    0x12=18,18"},
        {"3", "01 02 03 ",
         "FrameID:0x00000123  Data:01 02 03 " + kBytes + "    0x01=1,1    0x02=2,2    0x03=3,3" + kHighFirst +
             "    0x0102=258,258    0x03=3,3" + kLowFirst + "    0x0201=513,513    0x03=3,3"},
        {"4", "AB CD EF 01 ",
         "FrameID:0x00000123  Data:AB CD EF 01 " + kBytes + "    0xab=171,-85    0xcd=205,-51    0xef=239,-17    0x01=1,1\r\n" +
             kHighFirst + "    0xabcd=43981,-21555    0xef01=61185,-4351\r\n" + kLowFirst +
             "    0xcdab=52651,-12885    0x01ef=495,495\r\n"},
        // A Data text shorter than its length: only the bytes it holds, the last one half there.
        {"8", "01 5", "FrameID:0x00000123  Data:01 5" + kBytes + "    0x01=1,1    0x05=5,5" + kHighFirst +
                          "    0x0105=261,261" + kLowFirst + "    0x0501=1281,1281"},
        // A length that is not a number reads as 0.
        {"x2", "01 02 ", "FrameID:0x00000123  Data:01 02 " + kBytes + kHighFirst + kLowFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(HexDecViewText(Row(c.length, c.data), true), c.expected);
    }
}

TEST(HexDecView, ChineseTexts) {
    EXPECT_EQ(HexDecViewText(Row("1", "7f "), false),
              "帧ID:0x00000123  数据: 7f "
              "\r\n\r\n 字节转换 HEX->DEC（无符号，有符号）:\r\n    0x7f=127,127"
              "\r\n\r\n 字（高位在前低位在后）转换 HEX->DEC（无符号，有符号）:\r\n    0x7f=127,127"
              "\r\n\r\n 字（高位在后低位在前）转换 HEX->DEC（无符号，有符号）:\r\n    0x7f=127,127");
    EXPECT_EQ(HexDecViewCaption(false), "进制转换");
    EXPECT_EQ(HexDecViewCaption(true), "Hexadecimal convert");
}

TEST(HexDecView, ConvertsEveryByteOfALongRow) {
    std::string data;
    for (int i = 0; i < 24; ++i) data += "10 ";
    const std::string text = HexDecViewText(Row("24", data), true);
    size_t entries = 0;
    for (size_t at = text.find("    0x10=16,16"); at != std::string::npos; at = text.find("    0x10=16,16", at + 1)) {
        ++entries;
    }
    EXPECT_EQ(entries, 24u);
    EXPECT_NE(text.find("    0x1010=4112,4112"), std::string::npos);
}

TEST(HexPair, ReadsLikeAHexScan) {
    struct Case {
        char16_t high, low;
        uint8_t value;
    } const cases[] = {
        {u'A', u'5', 0xA5}, {u'f', u'F', 0xFF}, {u'5', u' ', 0x05}, {u'5', u'G', 0x05}, {u'G', u'5', 0x00},
        {u' ', u'5', 0x00}, {u'-', u'1', 0x00}, {u'7', u'\0', 0x07},
        {u'\u0131', u'\u0141', 0x1A},  // only the low 8 bits of a character count: '1' and 'A'
    };
    for (const Case& c : cases) EXPECT_EQ(HexPairToByte(c.high, c.low), c.value) << char(c.high) << char(c.low);
}

}  // namespace
}  // namespace tovrin
