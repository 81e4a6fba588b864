#include "records/frame_texts.h"

#include <cstdio>

namespace tovrin {

std::string_view DirectionText(Direction direction, bool english) {
    if (direction == Direction::Receive) return english ? "Receive" : "接受";
    return english ? "Send" : "发送";
}

std::string_view FrameTypeText(FrameType type, bool english) {
    if (type == FrameType::Data) return english ? "Data frame" : "数据帧";
    return english ? "Remote frame" : "远程帧";
}

std::string_view FrameFormatText(FrameFormat format, Direction direction, bool english) {
    if (format == FrameFormat::Standard) return english ? "Standard frame" : "标准帧";
    if (!english) return "扩展帧";
    return direction == Direction::Send ? "Extended Frame" : "Extended frame";
}

std::string TimeScaleText(const LocalTime& time) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d", time.hour, time.minute, time.second, time.millisecond);
    return text;
}

std::string DataText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
        text += ' ';
    }
    return text;
}

std::string ReceivedFrameIdText(uint32_t id) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(id));
    return text;
}

std::vector<std::string> FrameFormatEntries(bool english) {
    return {std::string(FrameFormatText(FrameFormat::Standard, Direction::Send, english)),
            std::string(FrameFormatText(FrameFormat::Extended, Direction::Send, english))};
}

std::vector<std::string> FrameTypeEntries(bool english) {
    return {std::string(FrameTypeText(FrameType::Data, english)), std::string(FrameTypeText(FrameType::Remote, english))};
}

}  // namespace tovrin
