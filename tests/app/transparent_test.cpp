#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "support/host_line.h"

namespace tovrin {
namespace {

using test::Hex;
using test::HostLineTest;
using test::ToHex;

constexpr const char* CANCEL_EXTENDED = "AA 55 07 AA 02 00x14 B3";

// The button is laid out hidden, so the handler is called as its click would.
class Transparent : public HostLineTest {};

TEST_F(Transparent, OkSendsBothIdentifiersWithTheFrameFormat) {
    const struct {
        int frameType;
        const char *local, *remote, *packet;
    } cases[] = {
        {0, "123", "456", "AA 55 07 00 01 56 04 00 00 23 01 00 00 00x6 86"},
        {1, "1FFFFFFF", "1FFFFFFF", "AA 55 07 00 02 FF FF FF 1F FF FF FF 1F 00x6 41"},
    };
    StartOnLine();
    for (const auto& c : cases) {
        dlg->Choose(id::FRAME_TYPE, c.frameType);
        platform.transparentAnswer = {true, c.local, c.remote};
        dlg->OnTransparent();
        EXPECT_EQ(Next(20), ToHex(Hex(c.packet))) << c.local;
    }
    EXPECT_EQ(platform.transparentDialogs, (std::vector<bool>{true, true})) << "the English dialog";
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Transparent, CancelSendsTheOtherModeWithBothIdentifiersZero) {
    StartOnLine();
    platform.transparentAnswer = {false, "123", "456"};
    dlg->OnTransparent();
    EXPECT_EQ(Next(20), ToHex(Hex(CANCEL_EXTENDED)));
}

TEST_F(Transparent, BadIdentifierShowsOneMessageAndSendsNothing) {
    const struct {
        const char *local, *remote;
        bool english;
        const char* message;
    } cases[] = {
        {"1", "123456789", true, "ID error"},
        {"1", "", true, "ID error"},
        {"", "1", true, "ID error"},
        {"123456789", "1", true, "ID error"},
        {"", "123456789", false, "ID有错误"},  // both bad: one message
    };
    StartOnLine();
    for (const auto& c : cases) {
        if (dlg->english() != c.english) dlg->OnLanguageSwitch();
        platform.boxes.clear();
        platform.transparentAnswer = {true, c.local, c.remote};
        dlg->OnTransparent();
        ASSERT_EQ(platform.boxes.size(), 1u) << c.local << "/" << c.remote;
        EXPECT_EQ(platform.boxes[0].text, c.message);
        EXPECT_EQ(platform.boxes[0].caption, APP_TITLE);
        EXPECT_EQ(platform.transparentDialogs.back(), c.english);

        platform.transparentAnswer = {};
        dlg->OnTransparent();
        EXPECT_EQ(Next(20), ToHex(Hex(CANCEL_EXTENDED))) << "nothing came before the cancel";
    }
}

TEST_F(Transparent, ButtonStaysHiddenAndNothingIsKept) {
    StartOnLine();
    EXPECT_FALSE(C(id::TRANSPARENT).visible);
    EXPECT_TRUE(C(id::TRANSPARENT).enabled) << "enabled with the port, as the other commands";
    dlg->Click(id::TRANSPARENT);
    EXPECT_TRUE(platform.transparentDialogs.empty()) << "a hidden button takes no click";

    const std::string before = Settings();
    const uint64_t changes = dlg->controls().ChangeCount();
    platform.transparentAnswer = {true, "1", "2"};
    dlg->OnTransparent();
    EXPECT_EQ(Next(20).substr(0, 14), "AA 55 07 00 02");
    EXPECT_EQ(Settings(), before);
    EXPECT_EQ(dlg->controls().ChangeCount(), changes) << "no control changed";
}

}  // namespace
}  // namespace tovrin
