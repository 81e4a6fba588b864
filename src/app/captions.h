#pragma once
#include <span>
#include <string>
#include <vector>

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

// Every caption the language switch rewrites, in both languages.
std::span<const Caption> CaptionTable();
const char* CaptionFor(int id, bool english);

std::vector<std::string> FrameFormatEntries(bool english);  // the "Type" selector
std::vector<std::string> FrameTypeEntries(bool english);    // the rows' "Format" selectors
std::vector<std::string> WorkModeEntries(bool english);

std::span<const Heading> TrafficListHeadings();
std::span<const Heading> ReceiveIdListHeadings();
std::span<const Heading> FrameListHeadings();

const char* AutoAnswerButtonCaption(bool english);

}  // namespace tovrin
