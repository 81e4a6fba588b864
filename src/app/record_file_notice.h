#pragma once
#include <optional>
#include <string>

#include "records/record_files.h"

namespace tovrin {

// What the user is told about a record file that could not be written, or whose
// sheet could not take every row; nothing for a file written in full.
std::optional<std::string> RecordFileNotice(const RecordFileResult& result, const std::string& fileName,
                                            bool english);

}  // namespace tovrin
