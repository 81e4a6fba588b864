#pragma once

namespace tovrin {

enum class RecordFormat { Text, Workbook };

}  // namespace tovrin
