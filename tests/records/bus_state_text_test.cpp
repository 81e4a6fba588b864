#include "records/bus_state_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tovrin {
namespace {

const std::string kRemark = "\t总线有错误，估计是接线接反或松动，CAN波特率设置不一致等原因";

TEST(BusStateText, ReportsInBothLanguages) {
    struct Case {
        std::array<uint8_t, 6> fields;  // receive, transmit, bus-off, passive, warning, code
        std::string english, chinese;
    } const cases[] = {
        // The report AA 55 04 10 05 00 01 00 03 …
        {{0x10, 0x05, 0, 1, 0, 3},
         " Transmit error counter:5\t\tReceive error counter:16\r\n Error flag: Error passive flag\t\t"
         "Last error code:  Acknowledgment Error",
         "发送错误计数：5\t\t接受错误计数：16\t\t错误标识：错误被动\r\n上次错误代码：确认错" + kRemark},
        {{0, 0, 0, 0, 0, 0},
         " Transmit error counter:0\t\tReceive error counter:0\r\n Error flag:无\t\tLast error code:  No Error",
         "发送错误计数：0\t\t接受错误计数：0\t\t错误标识：无\r\n上次错误代码：没有错误"},
        {{0, 128, 0, 1, 0, 3},
         " Transmit error counter:128\t\tReceive error counter:0\r\n Error flag: Error passive flag\t\t"
         "Last error code:  Acknowledgment Error",
         "发送错误计数：128\t\t接受错误计数：0\t\t错误标识：错误被动\r\n上次错误代码：确认错" + kRemark},
        // Bus-off wins over error passive; only the low three bits of the code count.
        {{255, 0, 1, 1, 1, 0x0B},
         " Transmit error counter:0\t\tReceive error counter:255\r\n Error flag: Bus-off flag\t\t"
         "Last error code:  Acknowledgment Error",
         "发送错误计数：0\t\t接受错误计数：255\t\t错误标识：离线\r\n上次错误代码：确认错" + kRemark},
        {{0, 0, 0, 0, 9, 0xFF},
         " Transmit error counter:0\t\tReceive error counter:0\r\n Error flag: Error warning flag\t\t"
         "Last error code:  Set by software",
         "发送错误计数：0\t\t接受错误计数：0\t\t错误标识：错误告警\r\n上次错误代码：由软件设置"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BusStateText(c.fields, true), c.english);
        EXPECT_EQ(BusStateText(c.fields, false), c.chinese);
    }
}

TEST(BusStateText, LastErrorCodeWords) {
    const std::array<std::pair<const char*, const char*>, 8> words = {{{" No Error", "没有错误"},
                                                                      {"Stuff Error", "位填充错"},
                                                                      {"Form Error", "格式错"},
                                                                      {" Acknowledgment Error", "确认错"},
                                                                      {"Bit recessive Error", "隐性位错"},
                                                                      {"Bit dominant Error", "显性位错"},
                                                                      {" CRC Error", "CRC错"},
                                                                      {" Set by software", "由软件设置"}}};
    for (uint8_t code = 0; code < 8; ++code) {
        const std::array<uint8_t, 6> fields = {0, 0, 0, 0, 0, code};
        const std::string english = BusStateText(fields, true);
        const std::string chinese = BusStateText(fields, false);
        EXPECT_EQ(english.substr(english.find("code: ") + 6), words[code].first);
        EXPECT_EQ(chinese.substr(chinese.find("代码：") + std::string("代码：").size()), words[code].second);
    }
}

}  // namespace
}  // namespace tovrin
