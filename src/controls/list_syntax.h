#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "controls/list_model.h"

namespace tovrin {

// A list stored as one settings value: the row count, a colon, then every cell of every
// row, each followed by a semicolon ("2:0;00000123;1;000007FF;").

constexpr size_t LIST_VALUE_CAPACITY = 4095;  // characters read back

// A cell cannot hold the separator: ';' (and a line break, which would end the
// settings line) is stored as a space. Identifier and data texts read a space exactly
// as they read ';', so a frame keeps its meaning.
std::string FormatListValue(const ListCells& rows);

// Reads at most LIST_VALUE_CAPACITY characters. No colon: no rows. Cells the value
// lacks are empty. A damaged row count is capped to the rows that a value of that
// capacity could hold, one character per cell at least.
ListCells ParseListValue(std::string_view value, size_t columnCount);

}  // namespace tovrin
