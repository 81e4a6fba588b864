#include "records/record_text_file.h"

#include <array>
#include <string_view>

#include "text/gbk.h"
#include "text/utf.h"

namespace tovrin {
namespace {

struct HeaderField {
    std::string_view label;
    size_t width;  // in bytes of the file
};

using Header = std::array<HeaderField, TRAFFIC_COLUMN_COUNT>;

constexpr Header kEnglishHeader = {{{"NO", 6}, {"Direction", 11}, {"Time Scale", 18}, {"Frame Type", 16},
                                    {"Frame Format", 20}, {"Frame ID", 12}, {"Length", 16}, {"Data", 5}}};
constexpr Header kChineseHeader = {{{"序号", 6}, {"传输方向", 11}, {"时间标识", 18}, {"帧类型", 12},
                                    {"帧格式", 12}, {"帧ID", 10}, {"数据长度", 12}, {"数据", 5}}};

constexpr size_t kNoWidth = 6;
constexpr size_t kFrameIdDigits = 8;
constexpr std::string_view kFieldGap = "     ";

std::string PaddedTo(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string NoField(const std::string& text) {
    const size_t length = Utf16Length(text);
    if (length == 0 || length >= 5) return text;
    return text + std::string(kNoWidth - length, ' ');
}

std::string FrameIdField(const std::string& text) {
    const size_t length = Utf16Length(text);
    const std::string zeros(length < kFrameIdDigits ? kFrameIdDigits - length : 0, '0');
    return zeros + text + std::string(kFieldGap);
}

}  // namespace

std::string RecordHeaderLine(bool english) {
    std::string line;
    for (const HeaderField& field : english ? kEnglishHeader : kChineseHeader) {
        line += PaddedTo(Utf8ToGbk(field.label), field.width);
    }
    return line + "\r\n";
}

std::string RecordLine(const TrafficRecord& row) {
    // GBK converts character by character, so the line converts as a whole.
    std::string line;
    for (int c = 0; c < TRAFFIC_COLUMN_COUNT; ++c) {
        const auto column = static_cast<TrafficColumn>(c);
        const std::string& text = row[column];
        if (column == TrafficColumn::No) line += NoField(text);
        else if (column == TrafficColumn::FrameId) line += FrameIdField(text);
        else line.append(text).append(kFieldGap);
    }
    return Utf8ToGbk(line) + "\r\n";
}

}  // namespace tovrin
