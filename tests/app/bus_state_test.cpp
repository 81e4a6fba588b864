#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/control_ids.h"
#include "app/receiving_fixture.h"
#include "sim/virtual_converter.h"
#include "support/pump.h"

namespace tovrin {
namespace {

using test::ReceivingTest;

class BusState : public ReceivingTest {
protected:
    // Fields in report order: receive counter, transmit counter, bus-off, error passive,
    // error warning, last error code.
    void ReceiveReport(const std::array<uint8_t, 6>& fields) {
        const SettingsPacket report = BuildSettingsPacket(CMD_BUS_STATE, fields);
        Receive(Bytes(report.begin(), report.end()));
    }
};

struct ReportCase {
    const char* name;
    bool chinese;
    std::array<uint8_t, 6> fields;
    const char* text;
};

const ReportCase kReportCases[] = {
    {"AllZeroEnglish", false, {0, 0, 0, 0, 0, 0},
     " Transmit error counter:0\t\tReceive error counter:0\r\n Error flag:无\t\tLast error code:  No Error"},
    {"AllZeroChinese", true, {0, 0, 0, 0, 0, 0},
     "发送错误计数：0\t\t接受错误计数：0\t\t错误标识：无\r\n上次错误代码：没有错误"},
    {"PassiveWithAckErrorChinese", true, {0, 128, 0, 1, 0, 3},
     "发送错误计数：128\t\t接受错误计数：0\t\t错误标识：错误被动\r\n上次错误代码：确认错"
     "\t总线有错误，估计是接线接反或松动，CAN波特率设置不一致等原因"},
    {"BusOffWinsAndCodeKeepsItsLowBitsEnglish", false, {5, 255, 1, 1, 1, 0x0B},
     " Transmit error counter:255\t\tReceive error counter:5\r\n Error flag: Bus-off flag\t\tLast error code:  "
     "Acknowledgment Error"},
    {"WarningWithCrcErrorEnglish", false, {96, 0, 0, 0, 1, 6},
     " Transmit error counter:0\t\tReceive error counter:96\r\n Error flag: Error warning flag\t\tLast error code:  "
     "CRC Error"},
};

class BusStateReport : public BusState, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(BusStateReport, ShowsTheTextInTheField) {
    Start();
    if (GetParam().chinese) dlg->OnLanguageSwitch();
    ReceiveReport(GetParam().fields);
    EXPECT_EQ(C(id::BUS_STATE).text, GetParam().text);
    EXPECT_EQ(dlg->trafficList().size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Reports, BusStateReport, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BusState, ReportWithABadChecksumChangesNothing) {
    Start();
    SettingsPacket report = BuildSettingsPacket(CMD_BUS_STATE, std::array<uint8_t, 6>{1, 2, 0, 0, 0, 1});
    report[19] ^= 0xFF;
    Receive(Bytes(report.begin(), report.end()));
    EXPECT_EQ(C(id::BUS_STATE).text, "Normal");
}

TEST_F(BusState, LanguageSwitchPutsTheNormalWordBack) {
    Start();
    EXPECT_EQ(C(id::BUS_STATE).text, "Normal");
    ReceiveReport({1, 2, 0, 0, 0, 1});
    dlg->OnLanguageSwitch();
    EXPECT_EQ(C(id::BUS_STATE).text, "正常");
    ReceiveReport({1, 2, 0, 0, 0, 1});
    dlg->OnLanguageSwitch();
    EXPECT_EQ(C(id::BUS_STATE).text, "Normal");
}

// The query goes over a real line; the converter's answer comes back the same way.
TEST_F(BusState, MonitorQueriesTheConverterAndShowsItsAnswer) {
    sim::VirtualConverter converter;
    converter.Start();
    converter.SetErrors({.receiveErrors = 7, .transmitErrors = 9, .errorPassive = true, .lastErrorCode = 2});
    Start();
    EXPECT_FALSE(C(id::BUS_MONITOR).enabled);
    dlg->Type(id::PORT, converter.DevicePath());
    dlg->Click(id::OPEN);
    ASSERT_TRUE(dlg->port().IsOpen());
    dlg->Click(id::BUS_MONITOR);
    const char* expected =
        " Transmit error counter:9\t\tReceive error counter:7\r\n Error flag: Error passive flag\t\tLast error code: "
        "Form Error";
    EXPECT_TRUE(test::PumpUntil(dlg->port(), [&] { return C(id::BUS_STATE).text == expected; }))
        << C(id::BUS_STATE).text;
    EXPECT_EQ(converter.State().busStateQueries, 1u);
    dlg.reset();  // the port closes before its converter goes away
}

}  // namespace
}  // namespace tovrin
