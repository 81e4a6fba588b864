#include "records/traffic_headings.h"

namespace tovrin {

const std::array<ColumnHeading, TRAFFIC_COLUMN_COUNT>& TrafficListHeadings(bool english) {
    static constexpr std::array<ColumnHeading, TRAFFIC_COLUMN_COUNT> kEnglish = {{
        {"No", 40}, {"Direction", 75}, {"Time scale", 90}, {"Frame Type", 90},
        {"Frame Format", 110}, {"Frame ID", 70}, {"Data Length", 90}, {"Data(LDouble-click Hex->Dec)", 230}}};
    static constexpr std::array<ColumnHeading, TRAFFIC_COLUMN_COUNT> kChinese = {{
        {"序号", 50}, {"传输方向", 80}, {"时间标识", 100}, {"帧类型", 90},
        {"帧格式", 90}, {"帧ID", 90}, {"数据长度", 80}, {"数据(选中左键双击进制转换)", 230}}};
    return english ? kEnglish : kChinese;
}

}  // namespace tovrin
