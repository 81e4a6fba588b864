#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "records/record_format.h"
#include "records/traffic_list.h"
#include "records/traffic_record.h"

namespace tovrin {

struct RecordFileResult {
    std::string error;       // empty on success, else the file name and the system's reason
    bool sheetFull = false;  // a workbook had no room for every row
};

// One record file. The header takes the language in force when the writer is made,
// and stays in it for the file's life.
class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    // Creates the file anew: the header, then every row in list order.
    virtual RecordFileResult Create(const TrafficList& rows) = 0;
    // Adds one row at the end of the file.
    virtual RecordFileResult Append(const TrafficRecord& row) = 0;
};

std::unique_ptr<RecordWriter> MakeRecordWriter(RecordFormat format, std::string path, bool english);

// The workbook's column names, the sheet's first row.
const std::array<std::string, TRAFFIC_COLUMN_COUNT>& WorkbookColumnNames(bool english);
constexpr std::string_view WORKBOOK_SHEET_NAME = "CAN";

}  // namespace tovrin
