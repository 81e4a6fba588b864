#pragma once
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "records/record_files.h"
#include "records/record_format.h"
#include "records/traffic_list.h"

namespace tovrin::cli {

// The format a file name's extension names, case ignored: .txt, .xls, .log, .asc, .csv.
// Throws UsageError for any other name.
RecordFormat SaveFormatOf(std::string_view path);

// The file monitor --save writes beside its output. Text formats grow by a line per
// frame; a workbook cannot grow in place, so it keeps its rows and is written anew
// now and then, not once per frame.
class RecordSaver {
public:
    // Creates the file. UsageError as SaveFormatOf, CommandFailure when the file
    // cannot be written.
    explicit RecordSaver(std::string path);

    void Add(const TrafficRecord& row);  // CommandFailure when the file cannot be written
    // A workbook with new rows is written when it was last written a while ago
    // (Flush) or in any case (Finish).
    void Flush();
    void Finish();

private:
    void WriteSheet();
    void Check(const RecordFileResult& result);

    std::string m_path;
    RecordFormat m_format;
    std::unique_ptr<RecordWriter> m_writer;
    TrafficList m_sheetRows;
    bool m_sheetChanged = false;
    std::chrono::steady_clock::time_point m_sheetWritten;
    bool m_sheetFullTold = false;
};

}  // namespace tovrin::cli
