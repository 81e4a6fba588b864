#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "sim/virtual_converter.h"
#include "support/host_line.h"

namespace tovrin {
namespace {

using test::Hex;
using test::HostLineTest;
using test::ToHex;

constexpr int SEND_BUTTONS[] = {1012, 1045, 1075, 1085, 1092, 1099, 1106, 1113, 1031};

class StartCommand : public HostLineTest {
protected:
    std::string Stored(const std::string& key) const { return dlg->profile().ReadText("CAN", key, "<absent>"); }
};

TEST_F(StartCommand, DefaultWindowStarts250kbpsExtendedNormalAndUnlocksSending) {
    StartOnLine();
    for (int button : SEND_BUTTONS) ASSERT_FALSE(C(button).enabled) << button;
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 12 05 02 00x14 19")));
    for (int button : SEND_BUTTONS) EXPECT_TRUE(C(button).enabled) << button;
}

TEST_F(StartCommand, CustomModeSendsTheTimingFields) {
    StartOnLine();
    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 13 01 02 00x8 00 05 04 0C 00 00 2B")));
}

// The retransmission flag has opposite senses in the two packets; a short identifier
// is filled with zeros on the left.
TEST_F(StartCommand, WindowChoicesReachBothPackets) {
    StartOnLine();
    dlg->Choose(id::STANDARD_BIT_RATE, 0);
    dlg->Choose(id::FRAME_TYPE, 0);
    dlg->Choose(id::WORK_MODE, 3);
    dlg->Type(id::FILTER_ID, "12345678");
    dlg->Type(id::MASK_ID, "7FF");
    dlg->Click(id::NO_RETRANSMIT);  // counts at once, without waiting for a tick
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 12 01 01 78 56 34 12 FF 07 00 00 03 01 00 00 00 00 32")));

    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);  // the 1Mbps timing: 6 and 5 quanta, prescaler 3
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 13 00 01 78 56 34 12 FF 07 00 00 00 05 04 03 00 03 3D")));
}

TEST_F(StartCommand, OverlongIdentifierIsRefusedFilterFirstAndNothingIsSent) {
    const struct {
        const char *filter, *mask, *message;
    } cases[] = {
        {"123456789", "123456789", "滤波ID数据长度不能超过4个字节"},
        {"00000000", "123456789", "屏蔽ID数据长度不能超过4个字节"},
    };
    for (const auto& c : cases) {
        test::HostLine peer;
        Start();
        test::OpenPortOn(*dlg, peer.DevicePath());
        dlg->Type(id::FILTER_ID, c.filter);
        dlg->Type(id::MASK_ID, c.mask);
        dlg->Click(id::SET_AND_START);
        ASSERT_EQ(platform.boxes.size(), 1u) << c.message;
        EXPECT_EQ(platform.boxes[0].text, c.message) << "the same text in the English window";
        EXPECT_EQ(platform.boxes[0].caption, APP_TITLE);
        for (int button : SEND_BUTTONS) EXPECT_FALSE(C(button).enabled) << button;

        dlg->Type(id::FILTER_ID, "");  // an empty identifier sends zero
        dlg->Type(id::MASK_ID, "0");
        dlg->Click(id::SET_AND_START);
        EXPECT_EQ(ToHex(peer.Next(20)), ToHex(Hex("AA 55 12 05 02 00x14 19"))) << "only the good packet came";
        platform.boxes.clear();
        dlg.reset();
    }
}

TEST_F(StartCommand, SendingTwiceSendsTheSamePacketTwice) {
    StartOnLine();
    dlg->Click(id::SET_AND_START);
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(40), ToHex(Hex("AA 55 12 05 02 00x14 19 AA 55 12 05 02 00x14 19")));
    for (int button : SEND_BUTTONS) EXPECT_TRUE(C(button).enabled) << button;
}

TEST_F(StartCommand, SettingsAreStoredAsShownAndRestored) {
    Start();
    dlg->Choose(id::FRAME_TYPE, 0);
    dlg->Choose(id::WORK_MODE, 2);
    dlg->Type(id::FILTER_ID, "1FF");
    dlg->Type(id::MASK_ID, "00000700");
    EXPECT_EQ(Stored("TYPE"), "Standard frame");
    EXPECT_EQ(Stored("MODE"), "Silent mode");
    EXPECT_EQ(Stored("Filter ID"), "1FF");
    EXPECT_EQ(Stored("Mask ID"), "00000700");
    const std::string before = Settings();
    dlg->Click(id::NO_RETRANSMIT);
    EXPECT_EQ(Settings(), before) << "the box is not stored";

    Start();
    EXPECT_EQ(C(id::FRAME_TYPE).text, "Standard frame");
    EXPECT_EQ(C(id::WORK_MODE).text, "Silent mode");
    EXPECT_EQ(C(id::FILTER_ID).text, "1FF");
    EXPECT_EQ(C(id::MASK_ID).text, "00000700");
}

// Texts stored in English match nothing in Chinese: extended and normal are sent.
TEST_F(StartCommand, LanguageSwitchFallsBackToExtendedAndNormal) {
    StartOnLine();
    dlg->Choose(id::FRAME_TYPE, 0);
    dlg->Choose(id::WORK_MODE, 1);
    dlg->OnLanguageSwitch();
    EXPECT_EQ(C(id::FRAME_TYPE).text, "扩展帧");
    EXPECT_EQ(C(id::WORK_MODE).text, "正常模式");
    EXPECT_EQ(Stored("TYPE"), "Standard frame") << "the switch does not rewrite it";
    dlg->Click(id::SET_AND_START);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 12 05 02 00x14 19")));

    dlg->Choose(id::FRAME_TYPE, 0);
    EXPECT_EQ(Stored("TYPE"), "标准帧");
}

TEST_F(StartCommand, VirtualConverterTakesTheConfigurationTheWindowChose) {
    sim::VirtualConverter converter;
    converter.Start();
    Start();
    test::OpenPortOn(*dlg, converter.DevicePath());
    ASSERT_TRUE(dlg->port().IsOpen());

    dlg->Choose(id::STANDARD_BIT_RATE, 6);  // 125kbps
    dlg->Choose(id::FRAME_TYPE, 0);
    dlg->Choose(id::WORK_MODE, 1);
    dlg->Type(id::FILTER_ID, "00000123");
    dlg->Type(id::MASK_ID, "000007FF");
    dlg->Click(id::SET_AND_START);
    ASSERT_TRUE(test::WaitUntil([&] { return converter.State().start.has_value(); }));
    const sim::StartCommand standard = *converter.State().start;
    EXPECT_EQ(standard.bitRateCode, 7);
    EXPECT_FALSE(standard.timing.has_value());
    EXPECT_EQ(standard.settings.format, FrameFormat::Standard);
    EXPECT_EQ(standard.settings.filterId, 0x123u);
    EXPECT_EQ(standard.settings.maskId, 0x7FFu);
    EXPECT_EQ(standard.settings.workMode, 1);
    EXPECT_FALSE(standard.settings.noRetransmit);

    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    dlg->Choose(id::BS1, 3);
    dlg->Type(id::PRESCALER, "39");
    dlg->Click(id::NO_RETRANSMIT);
    dlg->Click(id::SET_AND_START);
    ASSERT_TRUE(test::WaitUntil([&] { return converter.State().start->timing.has_value(); }));
    const sim::StartCommand custom = *converter.State().start;
    EXPECT_EQ(custom.timing->sjwEntry, 0);
    EXPECT_EQ(custom.timing->bs1Entry, 3);
    EXPECT_EQ(custom.timing->bs2Entry, 4);
    EXPECT_EQ(custom.timing->prescaler, 39);
    EXPECT_TRUE(custom.settings.noRetransmit);
    EXPECT_EQ(custom.settings.filterId, 0x123u);
    EXPECT_EQ(custom.settings.workMode, 1);
}

}  // namespace
}  // namespace tovrin
