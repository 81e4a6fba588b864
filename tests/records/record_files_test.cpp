#include "records/record_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/auto_save.h"
#include "records/auto_save_name.h"
#include "records/record_text_file.h"
#include "records/save_path.h"
#include "records/xls_writer.h"
#include "support/temp_dir.h"
#include "support/workbook_reader.h"

namespace tovrin {
namespace {

TrafficRecord Record(const std::string& no, const std::string& direction) {
    TrafficRecord record;
    record.cells = {no, direction, "14:03:27:045", "Data frame", "Standard frame", "00000123", "2", "11 22 "};
    return record;
}

TrafficList ListOf(int rows) {
    TrafficList list;
    for (int i = 0; i < rows; ++i) list.ReplaceAt(i, Record(std::to_string(i), "Receive"));
    return list;
}

std::vector<std::string> Cells(const TrafficRecord& record) { return {record.cells.begin(), record.cells.end()}; }

std::vector<std::string> Names(bool english) {
    const auto& names = WorkbookColumnNames(english);
    return {names.begin(), names.end()};
}

TEST(RecordFiles, TextFileGetsHeaderRowsAndAppendedRows) {
    test::TempDir dir;
    const std::string path = dir.File("r.txt");
    test::WriteFileBytes(path, "old content that must go");
    const auto writer = MakeRecordWriter(RecordFormat::Text, path, false);
    const TrafficList list = ListOf(2);
    EXPECT_EQ(writer->Create(list).error, "");
    EXPECT_EQ(writer->Append(Record("2", "Send")).error, "");
    EXPECT_EQ(test::ReadFileBytes(path), RecordHeaderLine(false) + RecordLine(list.row(0)) + RecordLine(list.row(1)) +
                                             RecordLine(Record("2", "Send")));
}

TEST(RecordFiles, EmptyListGivesTheHeaderOnly) {
    test::TempDir dir;
    const std::string path = dir.File("r.txt");
    EXPECT_EQ(MakeRecordWriter(RecordFormat::Text, path, true)->Create(TrafficList{}).error, "");
    EXPECT_EQ(test::ReadFileBytes(path), RecordHeaderLine(true));
}

TEST(RecordFiles, WorkbookKeepsItsColumnsWhenRowsOfTheOtherLanguageFollow) {
    test::TempDir dir;
    const std::string path = dir.File("r.xls");
    const auto writer = MakeRecordWriter(RecordFormat::Workbook, path, false);
    const TrafficList list = ListOf(2);
    EXPECT_EQ(writer->Create(list).error, "");
    EXPECT_EQ(writer->Append(Record("2", "发送")).error, "");
    const test::SheetReadBack sheet = test::ReadWorkbook(path);
    ASSERT_EQ(sheet.cells.size(), 4u);
    EXPECT_EQ(sheet.cells[0], Names(false));
    EXPECT_EQ(sheet.cells[1], Cells(list.row(0)));
    EXPECT_EQ(sheet.cells[2], Cells(list.row(1)));
    EXPECT_EQ(sheet.cells[3], Cells(Record("2", "发送")));
}

TEST(RecordFiles, FullWorkbookSaysSoInsteadOfGrowing) {
    test::TempDir dir;
    const std::string path = dir.File("r.xls");
    const auto writer = MakeRecordWriter(RecordFormat::Workbook, path, true);
    const RecordFileResult created = writer->Create(ListOf(XLS_MAX_ROWS));
    EXPECT_EQ(created.error, "");
    EXPECT_TRUE(created.sheetFull);
    const auto size = std::filesystem::file_size(path);
    const RecordFileResult appended = writer->Append(Record("x", "Send"));
    EXPECT_TRUE(appended.sheetFull);
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST(RecordFiles, FailuresNameTheFileAndTheReason) {
    test::TempDir dir;
    const std::string path = dir.File("no/such/dir/r.txt");
    for (const RecordFormat format : {RecordFormat::Text, RecordFormat::Workbook}) {
        const auto writer = MakeRecordWriter(format, path, true);
        EXPECT_EQ(writer->Create(ListOf(1)).error, path + ": No such file or directory");
        EXPECT_EQ(writer->Append(Record("1", "Send")).error, path + ": No such file or directory");
    }
}

TEST(RecordFiles, WorkbookKeepsARowWhoseWriteFailedForTheNextWrite) {
    test::TempDir dir;
    const std::string path = dir.File("later/r.xls");
    const auto writer = MakeRecordWriter(RecordFormat::Workbook, path, true);
    EXPECT_NE(writer->Append(Record("0", "Send")).error, "");
    std::filesystem::create_directory(dir.File("later"));
    EXPECT_EQ(writer->Append(Record("1", "Send")).error, "");
    EXPECT_EQ(test::ReadWorkbook(path).rows, 3);
}

TEST(SavePath, AddsTheFilterExtensionUnlessTheNameHasOne) {
    struct Case {
        std::string typed;
        int filter;
        std::string path;
        std::optional<RecordFormat> format;
    } const cases[] = {
        {"records", 1, "records.txt", RecordFormat::Text},
        {"records", 2, "records.xls", RecordFormat::Workbook},
        {"/tmp/a.XLS", 1, "/tmp/a.XLS", RecordFormat::Text},  // text content under the typed name
        {"a.Txt", 2, "a.Txt", RecordFormat::Workbook},
        {".txt", 1, ".txt.txt", RecordFormat::Text},           // shorter than 5 characters
        {"数据.txt", 2, "数据.txt", RecordFormat::Workbook},
        {"run.log", 2, "run.log.xls", RecordFormat::Workbook},
        {"records", 0, "records", std::nullopt},
        {"records", 3, "records", std::nullopt},
    };
    for (const Case& c : cases) {
        const SaveTarget target = SavePathFor(c.typed, c.filter);
        EXPECT_EQ(target.path, c.path) << c.typed;
        EXPECT_EQ(target.format, c.format) << c.typed;
    }
}

TEST(ExportPath, AddsTheFormatsExtensionUnlessTheNameEndsInIt) {
    struct Case {
        std::string typed;
        RecordFormat format;
        std::string path;
    } const cases[] = {
        {"bus", RecordFormat::CandumpLog, "bus.log"},
        {"bus", RecordFormat::AscLog, "bus.asc"},
        {"bus", RecordFormat::CsvLog, "bus.csv"},
        {"/tmp/Bus.CSV", RecordFormat::CsvLog, "/tmp/Bus.CSV"},
        {"bus.log", RecordFormat::AscLog, "bus.log.asc"},
        {".asc", RecordFormat::AscLog, ".asc.asc"},
        {"总线.Log", RecordFormat::CandumpLog, "总线.Log"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExportPathFor(c.typed, c.format), c.path) << c.typed;
}

const LocalTime kTime{2026, 3, 4, 9, 5, 7, 45, 0};

TEST(AutoSaveName, FromTheLocalTimeWithASuffixWhileTaken) {
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(AutoSaveName(kTime, RecordFormat::Text, none), "20260304_090507.txt");
    EXPECT_EQ(AutoSaveName(kTime, RecordFormat::Workbook, none), "20260304_090507.XLS");
    const auto firstTwoTaken = [](const std::string& name) {
        return name == "20260304_090507.txt" || name == "20260304_090507_1.txt";
    };
    EXPECT_EQ(AutoSaveName(kTime, RecordFormat::Text, firstTwoTaken), "20260304_090507_2.txt");
}

TEST(AutoSave, StartRollAndAppendWithinOneSecond) {
    test::TempDir dir;
    AutoSaveFile autoSave(dir.path().string());
    EXPECT_EQ(autoSave.Append(Record("0", "Send")).error, "");  // nothing started: nothing written
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    const TrafficList list = ListOf(2);
    EXPECT_EQ(autoSave.Start(RecordFormat::Text, kTime, list, true).error, "");
    EXPECT_EQ(autoSave.fileName(), "20260304_090507.txt");
    const std::string started = dir.File(autoSave.fileName());
    EXPECT_EQ(test::ReadFileBytes(started), RecordHeaderLine(true) + RecordLine(list.row(0)) + RecordLine(list.row(1)));

    // A roll-over in the same second must not replace the file just finished.
    EXPECT_EQ(autoSave.Roll(RecordFormat::Text, kTime, list, false).error, "");
    EXPECT_EQ(autoSave.fileName(), "20260304_090507_1.txt");
    EXPECT_EQ(autoSave.Append(Record("2", "Send")).error, "");
    EXPECT_EQ(test::ReadFileBytes(dir.File(autoSave.fileName())), RecordHeaderLine(false) + RecordLine(Record("2", "Send")));
    EXPECT_EQ(test::ReadFileBytes(started), RecordHeaderLine(true) + RecordLine(list.row(0)) + RecordLine(list.row(1)));

    // A workbook started by a roll-over holds the whole list.
    EXPECT_EQ(autoSave.Roll(RecordFormat::Workbook, kTime, list, true).error, "");
    EXPECT_EQ(autoSave.fileName(), "20260304_090507.XLS");
    const test::SheetReadBack sheet = test::ReadWorkbook(dir.File(autoSave.fileName()));
    ASSERT_EQ(sheet.cells.size(), 3u);
    EXPECT_EQ(sheet.cells[0], Names(true));
    EXPECT_EQ(sheet.cells[2], Cells(list.row(1)));
}

}  // namespace
}  // namespace tovrin
