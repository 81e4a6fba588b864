#include "app/captions.h"

#include <cstring>

#include "app/control_ids.h"
#include "records/frame_texts.h"

namespace tovrin {
namespace {

constexpr const char* kTypeLabel[2] = {"帧格式:", "Format:"};
constexpr const char* kIdLabel[2] = {"帧ID: 0x", "  ID: 0x"};
constexpr const char* kDataLabel[2] = {"数据:0x", "Data:0x"};
constexpr const char* kSendButton[2] = {"发送单帧", "Send a single frame"};

#define SEND_ROW_CAPTIONS(n)                                                                   \
    {id::SEND_ROWS[n].typeLabel, kTypeLabel[0], kTypeLabel[1]},                                \
        {id::SEND_ROWS[n].idLabel, kIdLabel[0], kIdLabel[1]},                                  \
        {id::SEND_ROWS[n].dataLabel, kDataLabel[0], kDataLabel[1]},                            \
        {id::SEND_ROWS[n].button, kSendButton[0], kSendButton[1]}

const Caption kCaptions[] = {
    {id::PORT_GROUP, "端口配置", "Configure COM"},
    {id::PORT_LABEL, "端口:", "COM:"},
    {id::COM_BAUD_LABEL, "波特率:", "COM bps:"},
    {id::REFRESH, "刷新", "Refresh"},
    {id::OPEN, "打开", "Open"},
    {id::CLOSE, "关闭", "Close"},
    {id::CHANGE_BAUD, "更改波特率", "Change bps"},
    {id::CAN_GROUP, "CAN配置", "Configure CAN"},
    {id::MODE_LABEL, "工作模式:", "Mode:"},
    {id::TYPE_LABEL, "帧类型:", "Type:"},
    {id::CAN_BPS_LABEL, "CAN波特率:", "CAN bps:"},
    {id::FILTER_LABEL, "滤波ID: 0x", "Filter ID:0x"},
    {id::MASK_LABEL, "屏蔽ID: 0x", "Mask ID:  0x"},
    {id::CUSTOM_BIT_RATE_CHECK, "自定义CAN波特率", "Manual set bps"},
    {id::FORMULA_LABEL, "CAN波特率=36000000/(同步段+相位缓冲区1+相位缓冲区2)/预分频",
     "CAN bps=36000000/(SYNC_SEG+BP1+BP2)/Pre F"},
    {id::SJW_LABEL, "同步段：", "SYNC_SEG:"},
    {id::BS1_LABEL, "相位缓冲区1：", "BP1:"},
    {id::BS2_LABEL, "相位缓冲区2：", "BP2:"},
    {id::PRESCALER_LABEL, "预分频：", "Pre F:"},
    {id::PRESCALER_LIMIT_LABEL, "不超过1024", "No more than 1024"},
    {id::NO_RETRANSMIT, "禁止报文自动重发", "Only send once"},
    {id::TRANSPARENT, "透明传输", "Transparent"},
    {id::SET_AND_START, "设置并启动", "Set and Start"},
    {id::RECEIVE_ID_GROUP, "配置接受ID", "Configure Receive ID"},
    {id::RECEIVE_ID_ADD, "增加", "Add"},
    {id::RECEIVE_ID_DELETE, "删除", "Delete"},
    {id::RECEIVE_ID_ENABLE, "启用", "Enable"},
    {id::RECEIVE_ID_DISABLE, "不启用", "Disable"},
    {id::FRAMES_GROUP, "多帧/自动应答", "Frames/Auto Answer"},
    {id::FRAMES_ADD, "增加", "Add"},
    {id::FRAMES_DELETE, "删除", "Delete"},
    {id::FRAMES_CLEAR, "清空", "Clear"},
    {id::INTERVAL_LABEL, "间隔时间:", "Interval:"},
    {id::CYCLE, "循环", "Cycle"},
    {id::AUTO_ANSWER, "自动应答", "Auto Answer"},
    {id::STOP_SENDING, "停止", "Stop"},
    {id::SEND_MULTIPLE, "发送多帧", "Send multiple frames"},
    {id::BUS_STATE_GROUP, "总线状态", "Bus State"},
    {id::BUS_MONITOR, "总线监测", "Monitor"},
    {id::BUS_STATE, "正常", "Normal"},
    SEND_ROW_CAPTIONS(0),
    SEND_ROW_CAPTIONS(1),
    SEND_ROW_CAPTIONS(2),
    SEND_ROW_CAPTIONS(3),
    SEND_ROW_CAPTIONS(4),
    SEND_ROW_CAPTIONS(5),
    SEND_ROW_CAPTIONS(6),
    SEND_ROW_CAPTIONS(7),
    {id::TOTAL_LABEL, "缓冲帧数:", "    Total:"},
    {id::RECEIVE_ONLY, "不显示发送帧", "Display receive only"},
    {id::STATISTICS, "统计模式", "Statistical models"},
    {id::CLEAR_LIST, "清空", "Clear"},
    {id::PAUSE, "暂停", "Pause"},
    {id::CONTINUE, "继续", "Continue"},
    {id::SAVE, "保存", "Save"},
    {id::AUTO_SAVE, "自动保存", "Auto Save"},
    {id::EXIT, "退出", "Exit"},
    {id::LANGUAGE, "English", "Chinese"},
};
#undef SEND_ROW_CAPTIONS

const Heading kTrafficHeadings[] = {
    {"序号", 50, "No", 40},
    {"传输方向", 80, "Direction", 75},
    {"时间标识", 100, "Time scale", 90},
    {"帧类型", 90, "Frame Type", 90},
    {"帧格式", 90, "Frame Format", 110},
    {"帧ID", 90, "Frame ID", 70},
    {"数据长度", 80, "Data Length", 90},
    {"数据(选中左键双击进制转换)", 230, "Data(LDouble-click Hex->Dec)", 230},
    // shown in statistics mode only; record files keep the eight columns above
    {"计数", 60, "Count", 60},
    {"周期(ms)", 80, "Cycle (ms)", 80},
};
const Heading kReceiveIdHeadings[] = {{"序号", 40, "No", 40}, {"接受ID", 100, "Receive ID", 100}};
const Heading kFrameListHeadings[] = {
    {"发送序号", 70, "Send No", 60}, {"帧类型", 80, "Frame Type", 100}, {"帧格式", 80, "Frame Format", 90},
    {"帧ID", 70, "Frame ID", 65},    {"数据", 200, "Data", 200},
};

const ExportEntry kExportEntries[] = {
    {RecordFormat::CandumpLog, "导出为 candump 日志…", "Export as candump log…", "candump 日志", "candump log"},
    {RecordFormat::AscLog, "导出为 Vector ASC…", "Export as Vector ASC…", "Vector ASC", "Vector ASC"},
    {RecordFormat::CsvLog, "导出为 CSV…", "Export as CSV…", "CSV", "CSV"},
};

}  // namespace

std::span<const Caption> CaptionTable() { return kCaptions; }

const char* CaptionFor(int controlId, bool english) {
    for (const Caption& c : kCaptions)
        if (c.id == controlId) return english ? c.english : c.chinese;
    return "";
}

std::vector<std::string> WorkModeEntries(bool english) {
    if (english) return {"Normal mode", "Loop back mode", "Silent mode", "Loop back + silent mode"};
    return {"正常模式", "环回模式", "静默模式", "环回静默模式"};
}

std::span<const Heading> TrafficListHeadings() { return kTrafficHeadings; }
std::span<const Heading> ReceiveIdListHeadings() { return kReceiveIdHeadings; }
std::span<const Heading> FrameListHeadings() { return kFrameListHeadings; }
std::span<const ExportEntry> ExportMenuEntries() { return kExportEntries; }

const char* AutoAnswerButtonCaption(bool english) { return english ? "Receive Data" : "接受数据"; }

}  // namespace tovrin
