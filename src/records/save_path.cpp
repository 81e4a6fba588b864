#include "records/save_path.h"

#include "text/utf.h"

namespace tovrin {
namespace {

std::optional<RecordFormat> FilterFormat(int filterIndex) {
    if (filterIndex == 1) return RecordFormat::Text;
    if (filterIndex == 2) return RecordFormat::Workbook;
    return std::nullopt;
}

// In any case of its letters, and after at least one character of a name.
bool EndsInExtension(const std::string& path, std::string_view extension) {
    const std::u16string text = Utf8ToUtf16(path);
    if (text.size() <= extension.size()) return false;
    std::u16string last = text.substr(text.size() - extension.size());
    for (char16_t& c : last) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return last == Utf8ToUtf16(extension);
}

}  // namespace

std::string_view RecordFileExtension(RecordFormat format) {
    switch (format) {
        case RecordFormat::Text: return ".txt";
        case RecordFormat::Workbook: return ".xls";
        case RecordFormat::CandumpLog: return ".log";
        case RecordFormat::AscLog: return ".asc";
        case RecordFormat::CsvLog: return ".csv";
    }
    return {};
}

SaveTarget SavePathFor(std::string path, int filterIndex) {
    const std::optional<RecordFormat> format = FilterFormat(filterIndex);
    const bool named = EndsInExtension(path, RecordFileExtension(RecordFormat::Text)) ||
                       EndsInExtension(path, RecordFileExtension(RecordFormat::Workbook));
    if (format && !named) path += RecordFileExtension(*format);
    return {std::move(path), format};
}

std::string ExportPathFor(std::string path, RecordFormat format) {
    const std::string_view extension = RecordFileExtension(format);
    if (!EndsInExtension(path, extension)) path += extension;
    return path;
}

}  // namespace tovrin
