#include "config/start_command.h"

#include <gtest/gtest.h>

#include "hex_bytes.h"

namespace tovrin {
namespace {

Bytes PacketOf(const StartCommandInput& input) {
    const Checked<SettingsPacket> result = BuildStartCommand(input);
    EXPECT_TRUE(result.value.has_value());
    return result.value ? BytesOf(*result.value) : Bytes{};
}

StartCommandInput Custom() {
    StartCommandInput in;
    in.customBitRate = true;
    return in;
}

TEST(StartCommand, StandardRateWithDefaults) {
    EXPECT_EQ(PacketOf({}), HexBytes("AA 55 12 05 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 19"));
}

TEST(StartCommand, CustomTimingWithDefaults) {
    EXPECT_EQ(PacketOf(Custom()), HexBytes("AA 55 13 01 02 00 00 00 00 00 00 00 00 00 05 04 0C 00 00 2B"));
}

TEST(StartCommand, IdentifiersTravelLeastSignificantByteFirst) {
    StartCommandInput in;
    in.filterId = "12345678";
    in.maskId = "1FFFFFFF";
    const Bytes packet = PacketOf(in);
    ASSERT_EQ(packet.size(), 20u);
    EXPECT_EQ(Bytes(packet.begin() + 5, packet.begin() + 9), HexBytes("78 56 34 12"));
    EXPECT_EQ(Bytes(packet.begin() + 9, packet.begin() + 13), HexBytes("FF FF FF 1F"));
}

TEST(StartCommand, ShortAndEmptyIdentifiers) {
    StartCommandInput in = Custom();
    in.filterId = "7FF";
    in.maskId = "";
    const Bytes packet = PacketOf(in);
    ASSERT_EQ(packet.size(), 20u);
    EXPECT_EQ(Bytes(packet.begin() + 5, packet.begin() + 13), HexBytes("FF 07 00 00 00 00 00 00"));
}

TEST(StartCommand, RetransmissionFlagsHaveOppositeSenses) {
    StartCommandInput standard;
    standard.noRetransmit = true;
    StartCommandInput custom = Custom();
    custom.noRetransmit = true;
    EXPECT_EQ(PacketOf(standard)[14], 1);
    EXPECT_EQ(PacketOf(custom)[3], 0);
}

TEST(StartCommand, StandardFieldsFromTheSelectors) {
    StartCommandInput in;
    in.standardEntry = 11;  // "5kbps"
    in.frameTypeEntry = 0;
    in.workModeEntry = 3;
    EXPECT_EQ(PacketOf(in), HexBytes("AA 55 12 0C 01 00 00 00 00 00 00 00 00 03 00 00 00 00 00 22"));
}

TEST(StartCommand, CustomFieldsFromTheSelectorsAndPrescaler) {
    StartCommandInput in = Custom();
    in.bs1Entry = 15;
    in.bs2Entry = 7;
    in.prescaler = 600;
    in.frameTypeEntry = 0;
    in.workModeEntry = 2;
    EXPECT_EQ(PacketOf(in), HexBytes("AA 55 13 01 01 00 00 00 00 00 00 00 00 00 0F 07 58 02 02 87"));
}

TEST(StartCommand, SelectorsWithoutSelectionSendTheFallbackEntries) {
    StartCommandInput in;
    in.standardEntry = -1;
    in.frameTypeEntry = -1;
    in.workModeEntry = 7;
    EXPECT_EQ(PacketOf(in), PacketOf({}));

    StartCommandInput custom = Custom();
    custom.bs1Entry = -1;
    custom.bs2Entry = 8;
    custom.prescaler = 0;
    const Bytes packet = PacketOf(custom);
    ASSERT_EQ(packet.size(), 20u);
    EXPECT_EQ(Bytes(packet.begin() + 14, packet.begin() + 18), HexBytes("05 04 01 00"));
}

TEST(StartCommand, OverLongIdentifiersAreRefusedFilterFirst) {
    StartCommandInput both;
    both.filterId = "123456789";
    both.maskId = "123456789";
    StartCommandInput maskOnly;
    maskOnly.maskId = "123456789";

    const Checked<SettingsPacket> filterRefused = BuildStartCommand(both);
    EXPECT_FALSE(filterRefused.value);
    EXPECT_EQ(filterRefused.refusal.For(false), "滤波ID数据长度不能超过4个字节");
    EXPECT_EQ(filterRefused.refusal.For(true), "滤波ID数据长度不能超过4个字节");

    const Checked<SettingsPacket> maskRefused = BuildStartCommand(maskOnly);
    EXPECT_FALSE(maskRefused.value);
    EXPECT_EQ(maskRefused.refusal.For(false), "屏蔽ID数据长度不能超过4个字节");
    EXPECT_EQ(maskRefused.refusal.For(true), "屏蔽ID数据长度不能超过4个字节");
}

TEST(FrameFormatOfEntry, StandardOnlyForTheFirstEntry) {
    EXPECT_EQ(FrameFormatOfEntry(0), FrameFormat::Standard);
    EXPECT_EQ(FrameFormatOfEntry(1), FrameFormat::Extended);
    EXPECT_EQ(FrameFormatOfEntry(-1), FrameFormat::Extended);
}

}  // namespace
}  // namespace tovrin
