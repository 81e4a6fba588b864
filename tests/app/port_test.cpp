#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "sim/virtual_converter.h"
#include "support/dialog_fixture.h"

namespace tovrin {
namespace {

using test::DialogTest;

class PortHandling : public DialogTest {
protected:
    void ExpectClosedState() {
        EXPECT_TRUE(C(id::OPEN).enabled);
        for (int off : {1014, 1023, 1049, 1073, 1069, 1018, 1031, 1036, 1044}) EXPECT_FALSE(C(off).enabled) << off;
    }
};

TEST_F(PortHandling, OpenAndCloseTheVirtualConverterRepeatedly) {
    Start();
    for (int round = 0; round < 20; ++round) {
        dlg->Choose(id::PORT, static_cast<int>(C(id::PORT).items.size()) - 1);
        dlg->Click(id::OPEN);
        ASSERT_TRUE(dlg->port().IsOpen()) << "round " << round;
        EXPECT_FALSE(C(id::OPEN).enabled);
        for (int on : {1014, 1023, 1049, 1073, 1069, 1018}) EXPECT_TRUE(C(on).enabled) << on;
        dlg->Click(id::CLOSE);
        EXPECT_FALSE(dlg->port().IsOpen());
        ExpectClosedState();
    }
    EXPECT_NE(Settings().find(std::string("COM=") + VIRTUAL_PORT_NAME), std::string::npos) << Settings();
    EXPECT_NE(Settings().find("COM Baud rate=2000000"), std::string::npos);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PortHandling, TypedDevicePathOpensAtTheTypedRate) {
    sim::VirtualConverter converter;
    converter.Start();
    Start();
    dlg->controls().SetText(id::PORT, converter.DevicePath());
    dlg->controls().SetText(id::COM_BAUD, "1228800");
    dlg->Click(id::OPEN);
    ASSERT_TRUE(dlg->port().IsOpen());
    EXPECT_EQ(converter.HostLineSpeed(), 1228800u);
    EXPECT_NE(Settings().find("COM=" + converter.DevicePath()), std::string::npos);
    EXPECT_NE(Settings().find("COM Baud rate=1228800"), std::string::npos);
}

TEST_F(PortHandling, MissingDeviceIsReportedAndEmptiesThePortList) {
    platform.ports = std::vector<PortInfo>{{"/dev/ttyUSB0", ""}};
    Start();
    dlg->controls().SetText(id::PORT, "/dev/tovrin-no-such-port");
    dlg->Click(id::OPEN);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "该端口不存在");
    EXPECT_EQ(platform.boxes[0].caption, "Tovrin V7.10A");
    EXPECT_TRUE(C(id::PORT).items.empty());
    EXPECT_EQ(C(id::PORT).text, "");
    ExpectClosedState();

    dlg->Click(id::REFRESH);
    EXPECT_EQ(C(id::PORT).items.size(), 2u) << "the system's port and the virtual converter";
    EXPECT_EQ(C(id::PORT).selection, -1);
}

TEST_F(PortHandling, ShortPortTextDoesNothing) {
    Start();
    dlg->controls().SetText(id::PORT, "CO");
    dlg->Click(id::OPEN);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(dlg->port().IsOpen());
}

TEST_F(PortHandling, CloseWithoutAnOpenPortOnlyStopsTheSendTimer) {
    Start();
    platform.timers[SEND_TIMER] = 10;
    const uint64_t before = dlg->controls().ChangeCount();
    dlg->OnClosePort();
    EXPECT_FALSE(platform.TimerRunning(SEND_TIMER));
    EXPECT_TRUE(C(id::OPEN).enabled);
    EXPECT_FALSE(C(id::CLOSE).enabled);
    EXPECT_EQ(dlg->controls().ChangeCount(), before) << "no control changed";
}

}  // namespace
}  // namespace tovrin
