#pragma once

namespace tovrin {

// Text and Workbook are the window's record files; the others are bus logs.
enum class RecordFormat { Text, Workbook, CandumpLog, AscLog, CsvLog };

}  // namespace tovrin
