#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "records/record_format.h"

namespace tovrin {

struct SaveTarget {
    std::string path;
    std::optional<RecordFormat> format;  // none: no filter chosen, nothing is written
};

// The file a manual save writes, from the dialog's path and filter (1 text,
// 2 workbook): the filter's extension is added unless the path already ends in
// .txt or .xls in any case. The content follows the filter, not the name.
SaveTarget SavePathFor(std::string path, int filterIndex);

// ".txt", ".xls", ".log", ".asc" or ".csv".
std::string_view RecordFileExtension(RecordFormat format);

// The file an export writes: the format's extension is added unless the path
// already ends in it, in any case.
std::string ExportPathFor(std::string path, RecordFormat format);

}  // namespace tovrin
