#include "support/workbook_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "support/temp_dir.h"

namespace tovrin::test {
namespace {

// Prints the sheet with every text as hexadecimal UTF-8, so any character survives the pipe.
constexpr const char* kReader = R"(import io, sys, xlrd
log = io.StringIO()
book = xlrd.open_workbook(sys.argv[1], logfile=log)
sheet = book.sheet_by_index(0)
print(book.nsheets, sheet.name.encode('utf-8').hex() or '-', sheet.nrows, sheet.ncols)
rows = range(sheet.nrows) if sys.argv[2] == 'all' else [int(r) for r in sys.argv[2].split(',')]
for r in rows:
    print(' '.join((sheet.cell_value(r, c).encode('utf-8').hex() or '-') if sheet.cell_type(r, c) == xlrd.XL_CELL_TEXT
                   else 'x' for c in range(sheet.ncols)))
sys.stderr.write(log.getvalue())
)";

std::string FromHex(const std::string& hex) {
    if (hex == "-") return {};
    if (hex == "x") return "<not text>";
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

}  // namespace

SheetReadBack ReadWorkbook(const std::string& path, const std::string& rowsWanted) {
    TempDir dir;
    const std::string script = dir.File("read_workbook.py");
    const std::string log = dir.File("reader.log");
    WriteFileBytes(script, kReader);
    const std::string command = "/usr/bin/python3 " + script + " '" + path + "' " + rowsWanted + " 2>" + log;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string output;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int status = pclose(pipe);

    SheetReadBack sheet;
    sheet.readerLog = ReadFileBytes(log);
    EXPECT_EQ(status, 0) << "python3-xlrd could not read " << path << ":\n" << sheet.readerLog;
    std::istringstream lines(output);
    std::string name;
    lines >> sheet.sheets >> name >> sheet.rows >> sheet.columns;
    sheet.sheetName = FromHex(name);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        std::istringstream words(line);
        std::vector<std::string>& row = sheet.cells.emplace_back();
        for (std::string word; words >> word;) row.push_back(FromHex(word));
    }
    return sheet;
}

}  // namespace tovrin::test
