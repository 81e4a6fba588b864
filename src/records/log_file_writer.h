#pragma once
#include <memory>
#include <string>

#include "records/log_text.h"
#include "records/record_files.h"

namespace tovrin {

// A bus log file behind the record writer interface. Each operation opens the file
// and closes it again; an append replaces the closing text that the file ends in,
// so the file is complete after every frame.
class LogFileWriter final : public RecordWriter {
public:
    LogFileWriter(std::string path, std::unique_ptr<LogText> text);

    RecordFileResult Create(const TrafficList& rows) override;
    RecordFileResult Append(const TrafficRecord& row) override;

private:
    std::string path_;
    std::unique_ptr<LogText> text_;
    std::string closing_;  // what the file ends in now
};

}  // namespace tovrin
