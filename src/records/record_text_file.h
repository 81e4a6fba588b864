#pragma once
#include <string>

#include "records/traffic_record.h"

namespace tovrin {

// Lines of the record text file, as the bytes written: GBK, each ending in CR LF.
// The header is fixed-width in bytes; a record line pads its fields by characters.
std::string RecordHeaderLine(bool english);
std::string RecordLine(const TrafficRecord& row);

}  // namespace tovrin
