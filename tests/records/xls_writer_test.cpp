#include "records/xls_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/workbook_reader.h"

namespace tovrin {
namespace {

using Table = std::vector<std::vector<std::string>>;

const std::vector<std::string> kHeader = {"No", "Direction", "Time_Scale", "Frame_Type",
                                          "Frame_Format", "Frame_ID", "Data_Length", "Data"};

WorkbookResult Write(const std::string& path, const std::vector<std::string>& header, const Table& rows) {
    return WriteWorkbook(path, "CAN", header, static_cast<int>(rows.size()),
                         [&](int r, int c) -> std::string_view { return rows[size_t(r)][size_t(c)]; });
}

void ExpectSheet(const test::SheetReadBack& sheet, const std::vector<std::string>& header, const Table& rows) {
    EXPECT_EQ(sheet.readerLog, "");
    EXPECT_EQ(sheet.sheets, 1);
    EXPECT_EQ(sheet.sheetName, "CAN");
    ASSERT_EQ(sheet.rows, static_cast<int>(rows.size()) + 1);
    ASSERT_EQ(sheet.columns, static_cast<int>(header.size()));
    ASSERT_EQ(sheet.cells.size(), rows.size() + 1);
    EXPECT_EQ(sheet.cells[0], header);
    for (size_t r = 0; r < rows.size(); ++r) ASSERT_EQ(sheet.cells[r + 1], rows[r]) << "row " << r + 1;
}

TEST(XlsWriter, TextCellsInBothLanguagesReadBackUnchanged) {
    test::TempDir dir;
    const std::vector<std::string> chinese = {"序号", "传输方向", "时间标识", "帧类型", "帧格式", "帧ID", "数据长度", "数据"};
    const Table rows = {
        {"0", "接受", "14:03:27:045", "数据帧", "扩展帧", "18ff0001", "8", "01 02 03 04 05 06 07 08 "},
        {"1", "Send", "14:03:27:046", "Remote frame", "Extended Frame", "00000123", "0", ""},
        {"2", "'quoted'", "a\tb", "😀", "", "0", "00", " "},
    };
    const std::string path = dir.File("records.xls");
    const WorkbookResult result = Write(path, chinese, rows);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.rowsWritten, 3);
    EXPECT_FALSE(result.sheetFull);
    ExpectSheet(test::ReadWorkbook(path), chinese, rows);
}

TEST(XlsWriter, EmptyListGivesTheColumnNamesOnly) {
    test::TempDir dir;
    const std::string path = dir.File("empty.xls");
    EXPECT_EQ(Write(path, kHeader, {}).error, "");
    ExpectSheet(test::ReadWorkbook(path), kHeader, {});
}

TEST(XlsWriter, StringsSplitAcrossContinueRecordsSurvive) {
    // Far more string data than one record holds, in lengths that make the record
    // boundaries fall inside strings at many offsets; one string spans whole records.
    std::mt19937 random(11);
    const std::vector<std::string> pieces = {"a", "数", "Z9", "帧", " "};
    Table rows;
    for (int r = 0; r < 3000; ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (size_t c = 0; c < kHeader.size(); ++c) {
            std::string text = std::to_string(r) + ":";
            for (unsigned n = random() % 40; n > 0; --n) text += pieces[random() % pieces.size()];
            row.push_back(text);
        }
    }
    std::string huge;
    for (int i = 0; i < 9000; ++i) huge += i % 3 ? "x" : "数";
    rows[1500][7] = huge;
    test::TempDir dir;
    const std::string path = dir.File("big.xls");
    EXPECT_EQ(Write(path, kHeader, rows).error, "");
    ExpectSheet(test::ReadWorkbook(path), kHeader, rows);
}

TEST(XlsWriter, SheetHoldsAtMost65536Rows) {
    Table rows;
    for (int r = 0; r < 70000; ++r) {
        rows.push_back({std::to_string(r), "Receive", "10:00:00:000", "Data frame", "Standard frame",
                        "00000123", "8", "unique " + std::to_string(r)});
    }
    test::TempDir dir;
    const std::string path = dir.File("full.xls");
    const WorkbookResult result = Write(path, kHeader, rows);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.rowsWritten, 65535);
    EXPECT_TRUE(result.sheetFull);
    // Large enough that the FAT needs more sectors than the header can list.
    EXPECT_GT(std::filesystem::file_size(path), 109u * 128 * 512);

    const test::SheetReadBack sheet = test::ReadWorkbook(path, "0,1,65535");
    EXPECT_EQ(sheet.readerLog, "");
    EXPECT_EQ(sheet.rows, 65536);
    ASSERT_EQ(sheet.cells.size(), 3u);
    EXPECT_EQ(sheet.cells[0], kHeader);
    EXPECT_EQ(sheet.cells[1], rows[0]);
    EXPECT_EQ(sheet.cells[2], rows[65534]);
}

TEST(XlsWriter, FailureNamesTheFileAndTheReason) {
    test::TempDir dir;
    const std::string path = dir.File("missing/records.xls");
    const WorkbookResult result = Write(path, kHeader, {});
    EXPECT_EQ(result.error, path + ": No such file or directory");
    EXPECT_EQ(result.rowsWritten, 0);
}

}  // namespace
}  // namespace tovrin
