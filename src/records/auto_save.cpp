#include "records/auto_save.h"

#include <filesystem>

#include "records/auto_save_name.h"

namespace tovrin {

RecordFileResult AutoSaveFile::Start(RecordFormat format, const LocalTime& time, const TrafficList& list,
                                     bool english) {
    return Begin(format, time, list, english);
}

RecordFileResult AutoSaveFile::Roll(RecordFormat format, const LocalTime& time, const TrafficList& list,
                                    bool english) {
    if (format == RecordFormat::Text) return Begin(format, time, TrafficList{}, english);
    return Begin(format, time, list, english);
}

RecordFileResult AutoSaveFile::Append(const TrafficRecord& row) {
    if (!writer_) return {};
    return writer_->Append(row);
}

RecordFileResult AutoSaveFile::Begin(RecordFormat format, const LocalTime& time, const TrafficList& rows,
                                     bool english) {
    const auto pathOf = [this](const std::string& name) { return (std::filesystem::path(directory_) / name).string(); };
    fileName_ = AutoSaveName(time, format, [&](const std::string& name) {
        std::error_code ignored;
        return name == fileName_ || std::filesystem::exists(pathOf(name), ignored);
    });
    writer_ = MakeRecordWriter(format, pathOf(fileName_), english);
    return writer_->Create(rows);
}

}  // namespace tovrin
