#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "app/control_ids.h"
#include "sim/virtual_converter.h"
#include "support/dialog_fixture.h"
#include "support/pump.h"

namespace tovrin {
namespace {

using namespace std::chrono_literals;
using test::DialogTest;

class DeviceFaults : public DialogTest {
protected:
    void OpenOn(const sim::VirtualConverter& converter) {
        dlg->Type(id::PORT, converter.DevicePath());
        dlg->Click(id::OPEN);
    }

    // A few raw frames through the converter reach the traffic list.
    bool TrafficFlows(sim::VirtualConverter& converter) {
        const int before = dlg->recordCounter();
        sim::TrafficPlan plan;
        plan.count = 5;
        plan.raw = true;
        converter.Generate(plan);
        return test::PumpUntil(dlg->port(), [&] { return dlg->recordCounter() == before + 5; });
    }
};

TEST_F(DeviceFaults, VanishedDeviceIsToldOnceThenCloseAndOpenWorkAgain) {
    auto converter = std::make_unique<sim::VirtualConverter>();
    converter->Start();
    Start();
    OpenOn(*converter);
    ASSERT_TRUE(dlg->port().IsOpen());
    ASSERT_TRUE(TrafficFlows(*converter));

    converter->Vanish();
    ASSERT_TRUE(test::PumpUntil(dlg->port(), [&] { return !platform.boxes.empty(); }));
    dlg->Click(id::BUS_MONITOR);  // a write to the line that is gone
    test::PumpFor(dlg->port(), 500ms);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find("Port: 1"), std::string::npos) << platform.boxes[0].text;
    EXPECT_EQ(platform.boxes[0].icon, BoxIcon::Stop);

    dlg->Click(id::CLOSE);
    EXPECT_FALSE(dlg->port().IsOpen());
    EXPECT_TRUE(C(id::OPEN).enabled);

    converter = std::make_unique<sim::VirtualConverter>();  // plugged in again
    converter->Start();
    OpenOn(*converter);
    ASSERT_TRUE(dlg->port().IsOpen());
    EXPECT_TRUE(C(id::CLOSE).enabled);
    EXPECT_TRUE(TrafficFlows(*converter));
    dlg->Click(id::CLOSE);
    OpenOn(*converter);
    EXPECT_TRUE(TrafficFlows(*converter));
    EXPECT_EQ(platform.boxes.size(), 1u);
}

// Nobody but root may open the device, and tests run as root: the open is tried by a
// child that has given root up.
TEST_F(DeviceFaults, PermissionDeniedNamesTheCure) {
    sim::VirtualConverter converter;
    ASSERT_EQ(chmod(converter.DevicePath().c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);  // the settings file stays writable
    Start();
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) std::_Exit(2);
            OpenOn(converter);
            const bool told = platform.boxes.size() == 1 &&
                              platform.boxes[0].text.find("permission denied") != std::string::npos &&
                              platform.boxes[0].text.find("usermod -aG dialout") != std::string::npos &&
                              platform.boxes[0].text.find(converter.DevicePath()) != std::string::npos;
            std::_Exit(told && !dlg->port().IsOpen() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tovrin
