#pragma once
#include <span>
#include <string>
#include <vector>

#include "records/record_format.h"

namespace tovrin {

struct Caption {
    int id;
    const char* chinese;
    const char* english;
};

struct Heading {
    const char* chinese;
    int chineseWidth;
    const char* english;
    int englishWidth;
};

// One entry of the traffic list's export menu, and the name of its file type in
// the save dialog.
struct ExportEntry {
    RecordFormat format;
    const char* chinese;
    const char* english;
    const char* chineseFileType;
    const char* englishFileType;
};

// Every caption the language switch rewrites, in both languages.
std::span<const Caption> CaptionTable();
const char* CaptionFor(int id, bool english);

std::vector<std::string> WorkModeEntries(bool english);

// The eight columns of a record, then the two statistics columns.
std::span<const Heading> TrafficListHeadings();
std::span<const Heading> ReceiveIdListHeadings();
std::span<const Heading> FrameListHeadings();
std::span<const ExportEntry> ExportMenuEntries();

const char* AutoAnswerButtonCaption(bool english);

}  // namespace tovrin
