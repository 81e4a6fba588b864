#include "records/bus_state_text.h"

#include <array>

namespace tovrin {
namespace {

struct BusState {
    int receiveErrors, transmitErrors;
    bool busOff, errorPassive, errorWarning;
    int lastErrorCode;
};

BusState Read(BusStateFields f) {
    return {f[0], f[1], f[2] != 0, f[3] != 0, f[4] != 0, f[5] & 0x07};
}

std::string_view ErrorFlagWord(const BusState& s, bool english) {
    if (s.busOff) return english ? " Bus-off flag" : "离线";
    if (s.errorPassive) return english ? " Error passive flag" : "错误被动";
    if (s.errorWarning) return english ? " Error warning flag" : "错误告警";
    return "无";
}

std::string_view LastErrorWord(int code, bool english) {
    static constexpr std::array<std::string_view, 8> kEnglish = {
        " No Error", "Stuff Error", "Form Error", " Acknowledgment Error",
        "Bit recessive Error", "Bit dominant Error", " CRC Error", " Set by software"};
    static constexpr std::array<std::string_view, 8> kChinese = {
        "没有错误", "位填充错", "格式错", "确认错", "隐性位错", "显性位错", "CRC错", "由软件设置"};
    return (english ? kEnglish : kChinese)[static_cast<size_t>(code)];
}

}  // namespace

std::string BusStateText(BusStateFields fields, bool english) {
    const BusState s = Read(fields);
    const std::string t = std::to_string(s.transmitErrors);
    const std::string r = std::to_string(s.receiveErrors);
    std::string text;
    if (english) {
        text.append(" Transmit error counter:").append(t).append("\t\tReceive error counter:").append(r);
        text.append("\r\n Error flag:").append(ErrorFlagWord(s, true));
        text.append("\t\tLast error code: ").append(LastErrorWord(s.lastErrorCode, true));
        return text;
    }
    text.append("发送错误计数：").append(t).append("\t\t接受错误计数：").append(r);
    text.append("\t\t错误标识：").append(ErrorFlagWord(s, false)).append("\r\n");
    text.append("上次错误代码：").append(LastErrorWord(s.lastErrorCode, false));
    if (s.receiveErrors > 0 || s.transmitErrors > 0) {
        text.append("\t总线有错误，估计是接线接反或松动，CAN波特率设置不一致等原因");
    }
    return text;
}

std::string_view BusStateNormalText(bool english) { return english ? "Normal" : "正常"; }

}  // namespace tovrin
