#include "controls/list_syntax.h"

#include <algorithm>

#include "text/utf.h"

namespace tovrin {
namespace {

void AppendCell(std::string& out, std::string_view cell) {
    for (char c : cell) out.push_back(c == ';' || c == '\r' || c == '\n' ? ' ' : c);
    out.push_back(';');
}

// The count as an integer scan reads it: blanks, a sign, then digits up to the first
// other character. Negative counts give no rows; the count saturates at limit.
size_t ScanRowCount(std::u16string_view text, size_t limit) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    size_t count = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        count = std::min(count * 10 + static_cast<size_t>(text[i] - u'0'), limit);
    return negative ? 0 : count;
}

}  // namespace

std::string FormatListValue(const ListCells& rows) {
    std::string out = std::to_string(rows.size()) + ":";
    for (const auto& row : rows)
        for (const auto& cell : row) AppendCell(out, cell);
    return out;
}

ListCells ParseListValue(std::string_view value, size_t columnCount) {
    std::u16string units = Utf8ToUtf16(value);
    // Half a surrogate pair at the cut lies behind the last separator and is never read.
    units.resize(std::min(units.size(), LIST_VALUE_CAPACITY));
    const size_t colon = units.find(u':');
    if (colon == std::u16string::npos || columnCount == 0) return {};

    const size_t rowCount =
        ScanRowCount(std::u16string_view(units).substr(0, colon), LIST_VALUE_CAPACITY / columnCount);
    std::u16string_view rest = std::u16string_view(units).substr(colon + 1);
    ListCells rows(rowCount, std::vector<std::string>(columnCount));
    for (auto& row : rows) {
        for (auto& cell : row) {
            const size_t end = rest.find(u';');
            if (end == std::u16string_view::npos) continue;  // no separator left: empty cell
            cell = Utf16ToUtf8(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
    }
    return rows;
}

}  // namespace tovrin
