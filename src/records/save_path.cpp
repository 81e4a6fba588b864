#include "records/save_path.h"

#include "text/utf.h"

namespace tovrin {
namespace {

std::optional<RecordFormat> FilterFormat(int filterIndex) {
    if (filterIndex == 1) return RecordFormat::Text;
    if (filterIndex == 2) return RecordFormat::Workbook;
    return std::nullopt;
}

bool EndsInRecordExtension(const std::string& path) {
    const std::u16string text = Utf8ToUtf16(path);
    if (text.size() < 5) return false;
    std::u16string last = text.substr(text.size() - 4);
    for (char16_t& c : last) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return last == u".txt" || last == u".xls";
}

}  // namespace

SaveTarget SavePathFor(std::string path, int filterIndex) {
    const std::optional<RecordFormat> format = FilterFormat(filterIndex);
    if (format && !EndsInRecordExtension(path)) path += *format == RecordFormat::Text ? ".txt" : ".xls";
    return {std::move(path), format};
}

}  // namespace tovrin
