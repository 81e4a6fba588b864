#include "transmit/frame_composer.h"

#include <algorithm>

#include "text/utf.h"

namespace tovrin {

std::optional<FrameId> ParseFrameId(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    if (units.empty() || units.size() > 8) return std::nullopt;
    const size_t fill = 8 - units.size();
    const std::u16string padded = std::u16string(fill, u'0') + units;

    FrameId id;
    // The original text is kept byte for byte behind the fill.
    id.text = std::string(fill, '0') + std::string(text);
    for (size_t i = 0; i < 4; ++i) {
        const size_t at = 6 - 2 * i;
        id.bytes[i] = HexPairToByte(padded[at], padded[at + 1]);
        id.value |= static_cast<uint32_t>(id.bytes[i]) << (8 * i);
    }
    return id;
}

std::optional<FrameData> ParseFrameData(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    const size_t n = (units.size() + 1) / 3;
    if (n > 8) return std::nullopt;

    FrameData data;
    data.length = static_cast<uint8_t>(n);
    for (size_t i = 0; i < n; ++i) data.bytes[i] = HexPairToByte(units[3 * i], units[3 * i + 1]);
    return data;
}

ComposedFrame ComposeFrame(FrameFormat format, FrameType type, FrameId id, FrameData data, std::string dataText) {
    ComposedFrame frame;
    frame.format = format;
    frame.type = type;
    frame.lengthText = std::to_string(data.length);
    frame.id = std::move(id);
    frame.data = data;
    frame.dataText = std::move(dataText);
    return frame;
}

CanFrame ToCanFrame(const ComposedFrame& frame) {
    CanFrame can;
    can.id = frame.id.value;
    can.format = frame.format;
    can.type = frame.type;
    can.length = frame.data.length;
    can.carried = frame.data.length;
    std::copy(frame.data.bytes.begin(), frame.data.bytes.end(), can.data.begin());
    return can;
}

}  // namespace tovrin
