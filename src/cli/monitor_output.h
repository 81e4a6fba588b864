#pragma once
#include <memory>
#include <string_view>

#include "records/log_text.h"

namespace tovrin::cli {

// The text monitor prints: "records" (the English lines of the record text file,
// ending in LF instead of CR LF), "candump", "asc" or "csv". Throws UsageError for
// another name.
std::unique_ptr<LogText> MonitorOutput(std::string_view format);

}  // namespace tovrin::cli
