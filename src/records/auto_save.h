#pragma once
#include <memory>
#include <string>

#include "records/local_time.h"
#include "records/record_files.h"
#include "records/record_format.h"
#include "records/traffic_list.h"

namespace tovrin {

// The current automatic record file: started by the Auto Save option, replaced by
// a new one when the record counter wraps, and given every row as it is placed.
class AutoSaveFile {
public:
    explicit AutoSaveFile(std::string directory = ".") : directory_(std::move(directory)) {}

    // A new file named from the time, holding every row of the list.
    RecordFileResult Start(RecordFormat format, const LocalTime& time, const TrafficList& list, bool english);
    // The next file at a counter wrap: a text file starts with its header alone,
    // a workbook with every row of the list as it is before the wrap's new row.
    RecordFileResult Roll(RecordFormat format, const LocalTime& time, const TrafficList& list, bool english);
    // Adds the row to the current file; does nothing before the first start.
    RecordFileResult Append(const TrafficRecord& row);

    const std::string& fileName() const { return fileName_; }  // without the directory; empty before a start

private:
    RecordFileResult Begin(RecordFormat format, const LocalTime& time, const TrafficList& rows, bool english);

    std::string directory_;
    std::string fileName_;
    std::unique_ptr<RecordWriter> writer_;
};

}  // namespace tovrin
