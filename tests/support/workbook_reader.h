#pragma once
#include <string>
#include <vector>

namespace tovrin::test {

// A workbook as an independent reader (python3-xlrd) sees it.
struct SheetReadBack {
    int sheets = 0;
    std::string sheetName;
    int rows = 0, columns = 0;
    std::vector<std::vector<std::string>> cells;  // the rows asked for; a cell that is not text reads "<not text>"
    std::string readerLog;                        // the reader's warnings; empty for a sound file
};

// rowsWanted: "all" or row numbers separated by commas.
SheetReadBack ReadWorkbook(const std::string& path, const std::string& rowsWanted = "all");

}  // namespace tovrin::test
