#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "sim/traffic_plan.h"
#include "sim/virtual_converter.h"
#include "support/host_line.h"

namespace tovrin {
namespace {

using test::Hex;
using test::HostLineTest;
using test::ToHex;

class ComBaud : public HostLineTest {};

TEST_F(ComBaud, OkSendsTheCodeOfTheChosenRate) {
    const struct {
        std::optional<int> entry;  // nothing: OK on the list as it opened
        const char* packet;
    } cases[] = {
        {std::nullopt, "AA 55 06 02 00x15 08"},  // 115200
        {5, "AA 55 06 00 00x15 06"},             // 2000000
        {0, "AA 55 06 05 00x15 0B"},             // 9600
        {-1, "AA 55 06 00 00x15 06"},            // no selection
    };
    StartOnLine();
    for (const auto& c : cases) {
        platform.baudEntry = c.entry;
        dlg->Click(id::CHANGE_BAUD);
        EXPECT_EQ(Next(20), ToHex(Hex(c.packet))) << c.entry.value_or(99);
    }
    ASSERT_EQ(platform.baudDialogs.size(), 4u);
    EXPECT_TRUE(platform.baudDialogs[0].english);
    EXPECT_EQ(platform.baudDialogs[0].initialEntry, 3);
}

TEST_F(ComBaud, CancelSendsNothing) {
    StartOnLine();
    platform.baudConfirmed = false;
    dlg->Click(id::CHANGE_BAUD);
    platform.baudConfirmed = true;
    dlg->Click(id::CHANGE_BAUD);
    EXPECT_EQ(Next(20), ToHex(Hex("AA 55 06 02 00x15 08"))) << "only the confirmed change came";
}

TEST_F(ComBaud, WindowKeepsItsOwnRate) {
    StartOnLine();
    const std::string before = Settings();
    platform.baudEntry = 0;
    dlg->Click(id::CHANGE_BAUD);
    Next(20);
    EXPECT_TRUE(dlg->port().IsOpen());
    EXPECT_EQ(C(id::COM_BAUD).text, "2000000");
    EXPECT_EQ(Settings(), before);
}

TEST_F(ComBaud, ChineseWindowShowsTheChineseDialog) {
    StartOnLine();
    dlg->OnLanguageSwitch();
    dlg->Click(id::CHANGE_BAUD);
    ASSERT_EQ(platform.baudDialogs.size(), 1u);
    EXPECT_FALSE(platform.baudDialogs[0].english);
}

// The converter takes the new rate at once; only after the port is reopened at that
// rate does anything get through again.
TEST_F(ComBaud, TrafficFlowsAgainOnceThePortIsReopenedAtTheNewRate) {
    sim::VirtualConverter converter;
    converter.Start();
    Start();
    test::OpenPortOn(*dlg, converter.DevicePath());
    ASSERT_EQ(converter.HostLineSpeed(), 2000000u);

    platform.baudEntry = 3;
    dlg->Click(id::CHANGE_BAUD);
    ASSERT_TRUE(test::WaitUntil([&] { return converter.LineSpeed() == 115200u; }));
    EXPECT_EQ(converter.State().comBaudCode, 2);

    sim::TrafficPlan frames;
    frames.count = 5;
    frames.raw = true;
    converter.Generate(frames);
    dlg->Click(id::SET_AND_START);
    test::PumpFor(dlg->port(), std::chrono::milliseconds(300));
    EXPECT_FALSE(converter.State().start.has_value()) << "lost on the mismatched line";
    EXPECT_EQ(dlg->recordCounter(), 0) << "nothing comes the other way either";

    dlg->Click(id::CLOSE);
    dlg->Choose(id::COM_BAUD, 3);
    dlg->Click(id::OPEN);
    ASSERT_TRUE(dlg->port().IsOpen());
    EXPECT_EQ(converter.HostLineSpeed(), 115200u);

    dlg->Choose(id::WORK_MODE, 1);
    dlg->Click(id::SET_AND_START);
    ASSERT_TRUE(test::WaitUntil([&] { return converter.State().start.has_value(); }));
    EXPECT_EQ(converter.State().start->settings.workMode, 1);
    EXPECT_TRUE(test::PumpUntil(dlg->port(), [&] { return dlg->recordCounter() >= 5; }))
        << "frames reach the traffic list; got " << dlg->recordCounter();
}

}  // namespace
}  // namespace tovrin
