#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "support/dialog_fixture.h"

namespace tovrin {
namespace {

using test::DialogTest;

class DataExchange : public DialogTest {};

TEST_F(DataExchange, NumericFieldsScanLikePercentD) {
    Start();
    const struct {
        const char* typed;
        bool ok;
        const char* shownAfterPush;
    } cases[] = {
        {"250", true, "250"}, {"  42abc", true, "42"}, {"+7", true, "7"},  {"-3", true, "-3"},
        {"abc", false, ""},   {"", false, ""},         {" - 3", false, ""},
    };
    for (const auto& c : cases) {
        dlg->controls().SetText(id::INTERVAL, c.typed);
        EXPECT_EQ(dlg->UpdateData(true), c.ok) << c.typed;
        if (!c.ok) continue;
        dlg->UpdateData(false);
        EXPECT_EQ(C(id::INTERVAL).text, c.shownAfterPush) << c.typed;
    }
}

TEST_F(DataExchange, OnlyTheFirst63CharactersAreScanned) {
    Start();
    dlg->controls().SetText(id::BUFFER_FRAMES, std::string(62, ' ') + "12");
    EXPECT_TRUE(dlg->UpdateData(true));
    dlg->controls().SetText(id::BUFFER_FRAMES, std::string(63, ' ') + "12");
    EXPECT_FALSE(dlg->UpdateData(true));
}

TEST_F(DataExchange, UserActionShowsTheBoxAndKeepsTheWindowOpen) {
    Start();
    dlg->controls().SetText(id::INTERVAL, "");
    dlg->Click(id::EXIT);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Enter an integer.");
    EXPECT_FALSE(platform.endedWith.has_value());

    dlg->controls().SetText(id::INTERVAL, "10");
    dlg->Click(id::EXIT);
    EXPECT_EQ(platform.endedWith, 1);
}

TEST_F(DataExchange, BackgroundExchangeKeepsThePreviousValueWithoutABox) {
    Start();
    dlg->controls().SetText(id::BUFFER_FRAMES, "");
    for (int i = 0; i < 50; ++i) {
        dlg->OnRxByte(0x00, 1);
        dlg->OnTimer(REFRESH_TIMER);
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(DataExchange, FailedScanStopsTheReadAndLaterFieldsKeepTheirValues) {
    Start();
    // 1030 comes before 1033 and 1051 in the exchange order.
    dlg->controls().SetText(id::INTERVAL, "x");
    dlg->controls().SetCheck(id::NO_RETRANSMIT, 1);
    EXPECT_FALSE(dlg->UpdateData(true));
    dlg->controls().SetText(id::INTERVAL, "5");
    dlg->controls().SetCheck(id::NO_RETRANSMIT, 0);
    dlg->UpdateData(false);
    EXPECT_EQ(C(id::NO_RETRANSMIT).check, 0) << "the failed read did not take the box";
}

TEST_F(DataExchange, DropDownTextSelectsTheFirstEntryBeginningWithIt) {
    platform.ports = std::vector<PortInfo>{{"COM10", ""}, {"COM1", ""}};
    Start();
    dlg->controls().SetText(id::PORT, "com1");
    dlg->UpdateData(true);
    dlg->UpdateData(false);
    EXPECT_EQ(C(id::PORT).selection, 0);
    EXPECT_EQ(C(id::PORT).text, "COM10");

    dlg->controls().SetText(id::PORT, "/dev/ttyACM3");
    dlg->UpdateData(true);
    dlg->UpdateData(false);
    EXPECT_EQ(C(id::PORT).selection, -1);
    EXPECT_EQ(C(id::PORT).text, "/dev/ttyACM3");
}

}  // namespace
}  // namespace tovrin
