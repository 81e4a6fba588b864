#include "records/auto_save_name.h"

#include <cstdio>

namespace tovrin {

std::string_view AutoSaveExtension(RecordFormat format) { return format == RecordFormat::Text ? ".txt" : ".XLS"; }

std::string AutoSaveName(const LocalTime& time, RecordFormat format,
                         const std::function<bool(const std::string& name)>& taken) {
    char stem[64];
    std::snprintf(stem, sizeof stem, "%04d%02d%02d_%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    const std::string extension(AutoSaveExtension(format));
    std::string name = stem + extension;
    for (int suffix = 1; taken(name); ++suffix) {
        name = stem;
        name += '_';
        name += std::to_string(suffix);
        name += extension;
    }
    return name;
}

}  // namespace tovrin
