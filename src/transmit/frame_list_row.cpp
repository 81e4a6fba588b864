#include "transmit/frame_list_row.h"

#include "records/frame_texts.h"

namespace tovrin {
namespace {

// The list's cells hold the selector texts, which are those of sent frames.
std::string FormatText(FrameFormat format, bool english) {
    return std::string(FrameFormatText(format, Direction::Send, english));
}

std::string TypeText(FrameType type, bool english) { return std::string(FrameTypeText(type, english)); }

std::optional<FrameFormat> FormatOfCell(std::string_view cell) {
    for (auto format : {FrameFormat::Standard, FrameFormat::Extended})
        for (bool english : {false, true})
            if (cell == FormatText(format, english)) return format;
    return std::nullopt;
}

std::optional<FrameType> TypeOfCell(std::string_view cell) {
    for (auto type : {FrameType::Data, FrameType::Remote})
        for (bool english : {false, true})
            if (cell == TypeText(type, english)) return type;
    return std::nullopt;
}

}  // namespace

std::optional<ComposedFrame> ParseFrameListRow(std::span<const std::string> cells) {
    if (cells.size() < FRAME_LIST_COLUMNS) return std::nullopt;
    const auto format = FormatOfCell(cells[FRAME_LIST_FORMAT_COLUMN]);
    const auto type = TypeOfCell(cells[FRAME_LIST_TYPE_COLUMN]);
    auto id = ParseFrameId(cells[FRAME_LIST_ID_COLUMN]);
    const auto data = ParseFrameData(cells[FRAME_LIST_DATA_COLUMN]);
    if (!format || !type || !id || !data) return std::nullopt;
    return ComposeFrame(*format, *type, std::move(*id), *data, cells[FRAME_LIST_DATA_COLUMN]);
}

std::vector<std::string> NewFrameListRow(size_t rowCount, bool english) {
    return {std::to_string(rowCount), FormatText(FrameFormat::Extended, english), TypeText(FrameType::Data, english),
            "00000000", "00 01 02 03 04 05 06 07"};
}

std::vector<std::string> FrameListComboItems(size_t column, bool english) {
    if (column == FRAME_LIST_FORMAT_COLUMN) return FrameFormatEntries(english);
    if (column == FRAME_LIST_TYPE_COLUMN) return FrameTypeEntries(english);
    return {};
}

}  // namespace tovrin
