#include "records/record_files.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/asc_log_writer.h"
#include "records/candump_log_writer.h"
#include "records/csv_log_writer.h"
#include "records/file_output.h"
#include "records/log_file_writer.h"
#include "records/record_text_file.h"
#include "records/xls_writer.h"

namespace tovrin {
namespace {

class TextRecordWriter final : public RecordWriter {
public:
    TextRecordWriter(std::string path, bool english) : path_(std::move(path)), english_(english) {}

    RecordFileResult Create(const TrafficList& rows) override {
        std::string bytes = RecordHeaderLine(english_);
        for (int i = 0; i < rows.size(); ++i) bytes += RecordLine(rows.row(i));
        return {ReplaceFileContent(path_, bytes)};
    }

    RecordFileResult Append(const TrafficRecord& row) override { return {AppendToFile(path_, RecordLine(row))}; }

private:
    std::string path_;
    bool english_;
};

// A workbook cannot grow in place, so it is written anew with every row so far.
class WorkbookRecordWriter final : public RecordWriter {
public:
    WorkbookRecordWriter(std::string path, bool english) : path_(std::move(path)), header_(WorkbookColumnNames(english)) {}

    RecordFileResult Create(const TrafficList& rows) override {
        rows_.clear();
        const int kept = std::min(rows.size(), kMaxDataRows);
        for (int i = 0; i < kept; ++i) rows_.push_back(rows.row(i).cells);
        RecordFileResult result = Write();
        result.sheetFull = rows.size() > kept;
        return result;
    }

    RecordFileResult Append(const TrafficRecord& row) override {
        if (static_cast<int>(rows_.size()) >= kMaxDataRows) return {{}, true};
        rows_.push_back(row.cells);
        return Write();
    }

private:
    static constexpr int kMaxDataRows = XLS_MAX_ROWS - 1;

    RecordFileResult Write() const {
        const auto cell = [this](int r, int c) -> std::string_view {
            return rows_[static_cast<size_t>(r)][static_cast<size_t>(c)];
        };
        const WorkbookResult written =
            WriteWorkbook(path_, WORKBOOK_SHEET_NAME, header_, static_cast<int>(rows_.size()), cell);
        return {written.error, written.sheetFull};
    }

    std::string path_;
    std::array<std::string, TRAFFIC_COLUMN_COUNT> header_;
    std::vector<std::array<std::string, TRAFFIC_COLUMN_COUNT>> rows_;
};

}  // namespace

std::unique_ptr<RecordWriter> MakeRecordWriter(RecordFormat format, std::string path, bool english) {
    switch (format) {
        case RecordFormat::Text: return std::make_unique<TextRecordWriter>(std::move(path), english);
        case RecordFormat::Workbook: return std::make_unique<WorkbookRecordWriter>(std::move(path), english);
        case RecordFormat::CandumpLog: return std::make_unique<LogFileWriter>(std::move(path), std::make_unique<CandumpLog>());
        case RecordFormat::AscLog: return std::make_unique<LogFileWriter>(std::move(path), std::make_unique<AscLog>());
        case RecordFormat::CsvLog: return std::make_unique<LogFileWriter>(std::move(path), std::make_unique<CsvLog>());
    }
    return nullptr;
}

const std::array<std::string, TRAFFIC_COLUMN_COUNT>& WorkbookColumnNames(bool english) {
    static const std::array<std::string, TRAFFIC_COLUMN_COUNT> kEnglish = {
        "No", "Direction", "Time_Scale", "Frame_Type", "Frame_Format", "Frame_ID", "Data_Length", "Data"};
    static const std::array<std::string, TRAFFIC_COLUMN_COUNT> kChinese = {
        "序号", "传输方向", "时间标识", "帧类型", "帧格式", "帧ID", "数据长度", "数据"};
    return english ? kEnglish : kChinese;
}

}  // namespace tovrin
