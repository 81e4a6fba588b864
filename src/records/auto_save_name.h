#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "records/local_time.h"
#include "records/record_format.h"

namespace tovrin {

std::string_view AutoSaveExtension(RecordFormat format);  // ".txt" or ".XLS"

// The name of a new automatic file: the local time as "%Y%m%d_%H%M%S" and the
// format's extension. Two files started within one second would share a name, so
// while a name is taken "_1", "_2", … go before the extension.
std::string AutoSaveName(const LocalTime& time, RecordFormat format,
                         const std::function<bool(const std::string& name)>& taken);

}  // namespace tovrin
