#include "transmit/frame_composer.h"

#include <gtest/gtest.h>

#include "link/packet.h"

namespace tovrin {
namespace {

TEST(ParseFrameData, ReadsEachPairLikeAHexScan) {
    struct Case {
        std::string pair;
        uint8_t expected;
    } cases[] = {
        {"A5", 0xA5}, {"af", 0xAF}, {"FF", 0xFF}, {"00", 0x00}, {"5 ", 0x05}, {"5G", 0x05},
        {"5;", 0x05}, {"G5", 0x00}, {" 5", 0x00}, {"-1", 0x00}, {"x1", 0x00},
        // Characters count by their low 8 bits: U+0141 reads as 'A', U+4E00 as NUL.
        {"\u0141" "5", 0xA5}, {"\u4E00" "5", 0x00},
    };
    for (const auto& c : cases) {
        const auto data = ParseFrameData(c.pair);
        ASSERT_TRUE(data) << c.pair;
        ASSERT_EQ(data->length, 1) << c.pair;
        EXPECT_EQ(data->bytes[0], c.expected) << c.pair;
    }
}

TEST(ParseFrameId, FillsToEightCharactersAndReadsPairsFromTheRight) {
    struct Case {
        const char* text;
        const char* filled;
        uint32_t value;
    } cases[] = {
        {"123", "00000123", 0x123},
        {"1", "00000001", 0x1},
        {"7", "00000007", 0x7},
        {"12345678", "12345678", 0x12345678},
        {"18FF0001", "18FF0001", 0x18FF0001},
        {"FFFFFFFF", "FFFFFFFF", 0xFFFFFFFF},  // no range check, byte 3 kept whole
        {"1 2", "000001 2", 0x100},             // the space stays and reads its pair as 0
        {"GG", "000000GG", 0x0},
    };
    for (const auto& c : cases) {
        const auto id = ParseFrameId(c.text);
        ASSERT_TRUE(id) << c.text;
        EXPECT_EQ(id->text, c.filled);
        EXPECT_EQ(id->value, c.value) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(id->bytes[i], uint8_t(c.value >> (8 * i))) << c.text << " byte " << i;
    }
}

TEST(ParseFrameId, LengthCountsUtf16Units) {
    EXPECT_FALSE(ParseFrameId(""));
    EXPECT_FALSE(ParseFrameId("123456789"));
    // Eight Chinese characters are 24 bytes but eight characters.
    const auto eight = ParseFrameId("一二三四五六七八");
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->text, "一二三四五六七八");
    EXPECT_FALSE(ParseFrameId("一二三四五六七八九"));
    // A character outside the basic plane takes two units.
    EXPECT_TRUE(ParseFrameId("123456\U0001F600"));
    EXPECT_FALSE(ParseFrameId("1234567\U0001F600"));
    const auto wide = ParseFrameId("数");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->text, "0000000数");
}

TEST(ParseFrameData, TakesOnePairPerThreeCharacters) {
    struct Case {
        const char* text;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"", {}},
        {"1", {}},
        {"11", {0x11}},
        {"11 22", {0x11, 0x22}},
        {"01,02", {0x01, 0x02}},
        {"01 02", {0x01, 0x02}},
        {"0102", {0x01}},
        {"1 2 3", {0x01, 0x00}},  // pairs "1 " and " 3"; the "2" sits in a separator place
        {"GG", {0x00}},
        {"AA BB", {0xAA, 0xBB}},
        {"00 01 02 03 04 05 06 07", {0, 1, 2, 3, 4, 5, 6, 7}},
        {"00 01 02 03 04 05 06 07 0", {0, 1, 2, 3, 4, 5, 6, 7}},  // 25 characters: still 8
    };
    for (const auto& c : cases) {
        const auto data = ParseFrameData(c.text);
        ASSERT_TRUE(data) << c.text;
        ASSERT_EQ(data->length, c.bytes.size()) << c.text;
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(data->bytes[i], i < c.bytes.size() ? c.bytes[i] : 0) << c.text << " byte " << i;
    }
}

TEST(ParseFrameData, FailsAboveEightBytes) {
    EXPECT_FALSE(ParseFrameData("00 01 02 03 04 05 06 07 08"));  // 26 characters
    // Length counts UTF-16 units: 26 Chinese characters are 9 pairs.
    std::string wide;
    for (int i = 0; i < 26; ++i) wide += "数";
    EXPECT_FALSE(ParseFrameData(wide));
    EXPECT_TRUE(ParseFrameData(wide.substr(0, 25 * 3)));
}

Bytes PacketOf(FrameFormat format, FrameType type, const char* id, const char* data) {
    return BuildDataPacket(ToCanFrame(ComposeFrame(format, type, *ParseFrameId(id), *ParseFrameData(data), data)));
}

TEST(ComposedFrame, BuildsTheDataPacket) {
    using F = FrameFormat;
    using T = FrameType;
    struct Case {
        F format;
        T type;
        const char* id;
        const char* data;
        Bytes packet;
    } cases[] = {
        {F::Standard, T::Data, "123", "11 22", {0xAA, 0xC2, 0x23, 0x01, 0x11, 0x22, 0x55}},
        {F::Extended, T::Remote, "18FF0001", "", {0xAA, 0xF0, 0x01, 0x00, 0xFF, 0x18, 0x55}},
        {F::Standard, T::Remote, "123", "AA BB", {0xAA, 0xD2, 0x23, 0x01, 0xAA, 0xBB, 0x55}},
        {F::Standard, T::Data, "1", "", {0xAA, 0xC0, 0x01, 0x00, 0x55}},
        {F::Extended, T::Data, "1", "", {0xAA, 0xE0, 0x01, 0x00, 0x00, 0x00, 0x55}},
        {F::Standard, T::Data, "12345678", "", {0xAA, 0xC0, 0x78, 0x56, 0x55}},
        {F::Standard, T::Data, "123", "0102", {0xAA, 0xC1, 0x23, 0x01, 0x01, 0x55}},
        {F::Standard, T::Data, "0", "GG", {0xAA, 0xC1, 0x00, 0x00, 0x00, 0x55}},
        {F::Extended, T::Data, "0", "00 01 02 03 04 05 06 07",
         {0xAA, 0xE8, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 0x55}},
    };
    for (const auto& c : cases) EXPECT_EQ(PacketOf(c.format, c.type, c.id, c.data), c.packet) << c.id << " / " << c.data;
}

TEST(ComposedFrame, KeepsTheTextsToRecord) {
    const auto frame =
        ComposeFrame(FrameFormat::Standard, FrameType::Data, *ParseFrameId("7"), *ParseFrameData("0102"), "0102");
    EXPECT_EQ(frame.id.text, "00000007");
    EXPECT_EQ(frame.dataText, "0102");
    EXPECT_EQ(frame.lengthText, "1");
    EXPECT_EQ(ComposeFrame(FrameFormat::Standard, FrameType::Data, *ParseFrameId("7"), *ParseFrameData(""), "")
                  .lengthText,
              "0");
}

}  // namespace
}  // namespace tovrin
