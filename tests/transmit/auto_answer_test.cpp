#include "transmit/auto_answer.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

ComposedFrame Pattern(FrameFormat format, FrameType type, const char* id, const char* data = "11 22") {
    return ComposeFrame(format, type, *ParseFrameId(id), *ParseFrameData(data), data);
}

// A received frame packet with the given fields from byte 3 on.
SettingsPacket Received(uint8_t format, uint8_t type, std::array<uint8_t, 4> id, uint8_t command = CMD_FRAME) {
    const uint8_t fields[] = {format, type, id[0], id[1], id[2], id[3], 2, 0x11, 0x22};
    return BuildSettingsPacket(command, fields);
}

TEST(AutoAnswer, MatchesFormatTypeAndIdentifierBits) {
    using F = FrameFormat;
    using T = FrameType;
    const auto std123 = Pattern(F::Standard, T::Data, "123");
    const auto ext = Pattern(F::Extended, T::Data, "18FF0001");
    const auto extAll = Pattern(F::Extended, T::Remote, "FFFFFFFF");
    struct Case {
        const char* name;
        ComposedFrame pattern;
        SettingsPacket packet;
        bool matches;
    } cases[] = {
        {"123", std123, Received(1, 1, {0x23, 0x01, 0, 0}), true},
        {"received byte 1 compared whole", std123, Received(1, 1, {0x23, 0x09, 0, 0}), false},
        {"remote is not data", std123, Received(1, 2, {0x23, 0x01, 0, 0}), false},
        {"extended is not standard", std123, Received(2, 1, {0x23, 0x01, 0, 0}), false},
        {"standard ignores bytes 2 and 3", std123, Received(1, 1, {0x23, 0x01, 0x55, 0x66}), true},
        {"pattern 923 keeps 11 bits", Pattern(F::Standard, T::Data, "923"), Received(1, 1, {0x23, 0x01, 0, 0}), true},
        {"bytes from 0x80 up", Pattern(F::Standard, T::Data, "0FF"), Received(1, 1, {0xFF, 0x00, 0, 0}), true},
        {"remote pattern", Pattern(F::Standard, T::Remote, "7FF"), Received(1, 2, {0xFF, 0x07, 0, 0}), true},
        {"extended", ext, Received(2, 1, {0x01, 0x00, 0xFF, 0x18}), true},
        {"extended byte 2 differs", ext, Received(2, 1, {0x01, 0x00, 0xFE, 0x18}), false},
        {"extended keeps 29 bits", extAll, Received(2, 2, {0xFF, 0xFF, 0xFF, 0x1F}), true},
        {"extended byte 3 compared whole", extAll, Received(2, 2, {0xFF, 0xFF, 0xFF, 0xFF}), false},
        {"data bytes are not compared", Pattern(F::Standard, T::Data, "123", "99"), Received(1, 1, {0x23, 0x01, 0, 0}),
         true},
        {"a bus state report is no frame", Pattern(F::Standard, T::Data, "0"),
         Received(1, 1, {0, 0, 0, 0}, CMD_BUS_STATE), false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesAutoAnswer(c.packet, c.pattern), c.matches) << c.name;
}

TEST(AutoAnswer, AnswerIsAFramePacketWithAllFourIdentifierBytes) {
    const SettingsPacket std123 = {0xAA, 0x55, 0x01, 0x01, 0x01, 0x23, 0x01, 0x00, 0x00, 0x02,
                                   0x11, 0x22, 0,    0,    0,    0,    0,    0,    0,    0x5C};
    EXPECT_EQ(BuildAnswerPacket(Pattern(FrameFormat::Standard, FrameType::Data, "123", "11 22")), std123);

    const auto wide = BuildAnswerPacket(Pattern(FrameFormat::Standard, FrameType::Remote, "12345678", ""));
    EXPECT_EQ(wide[3], 1);
    EXPECT_EQ(wide[4], 2);
    EXPECT_EQ((std::array<uint8_t, 4>{wide[5], wide[6], wide[7], wide[8]}), (std::array<uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(wide[9], 0);
    EXPECT_TRUE(HasGoodChecksum(wide));
}

}  // namespace
}  // namespace tovrin
