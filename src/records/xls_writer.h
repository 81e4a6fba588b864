#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tovrin {

// A sheet holds at most this many rows, the header row included.
constexpr int XLS_MAX_ROWS = 65536;

struct WorkbookResult {
    std::string error;       // empty on success, else the file name and the system's reason
    int rowsWritten = 0;     // data rows, the header row not counted
    bool sheetFull = false;  // rows past the sheet's last row were left out
};

// Reads the text (UTF-8) of a data cell; rows and columns count from 0.
using CellReader = std::function<std::string_view(int row, int column)>;

// Writes the workbook (BIFF8 in a compound document) of one sheet of text cells,
// replacing what the file held: the header row, then the data rows as far as the
// sheet has room.
WorkbookResult WriteWorkbook(const std::string& path, std::string_view sheetName,
                             std::span<const std::string> headerRow, int rowCount, const CellReader& cell);

}  // namespace tovrin
