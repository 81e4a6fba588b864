#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "transmit/frame_composer.h"

namespace tovrin {

// The frame list's five columns.
constexpr size_t FRAME_LIST_NUMBER_COLUMN = 0;  // read-only
constexpr size_t FRAME_LIST_FORMAT_COLUMN = 1;  // drop-down: standard / extended
constexpr size_t FRAME_LIST_TYPE_COLUMN = 2;    // drop-down: data / remote
constexpr size_t FRAME_LIST_ID_COLUMN = 3;
constexpr size_t FRAME_LIST_DATA_COLUMN = 4;
constexpr size_t FRAME_LIST_COLUMNS = 5;

constexpr std::string_view FRAME_LIST_ID_CHARS = "0123456789abcdefABCDEF";
constexpr std::string_view FRAME_LIST_DATA_CHARS = "0123456789abcdefABCDEF ";

// A row is sent only when its format and type cells hold one of the selector texts
// exactly, in either language, and its identifier and data texts parse. The cells
// themselves are left as they are.
std::optional<ComposedFrame> ParseFrameListRow(std::span<const std::string> cells);

// The cells of a row added behind rowCount rows: its number, an extended data frame,
// identifier 0 and eight counting bytes.
std::vector<std::string> NewFrameListRow(size_t rowCount, bool english);

// Drop-down entries for a cell of the given column; none for columns without one.
std::vector<std::string> FrameListComboItems(size_t column, bool english);

}  // namespace tovrin
