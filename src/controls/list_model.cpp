#include "controls/list_model.h"

#include <algorithm>

#include "text/utf.h"

namespace tovrin {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kCopy = 3;    // Ctrl+C
constexpr char16_t kPaste = 22;  // Ctrl+V
constexpr char16_t kCut = 24;    // Ctrl+X

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return prefix.size() <= text.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

const std::string kNoText;

}  // namespace

void ListModel::SetOwner(ItemsRequest itemsRequest, CellEdited cellEdited) {
    itemsRequest_ = std::move(itemsRequest);
    cellEdited_ = std::move(cellEdited);
}

void ListModel::SetObserver(Observer observer) { observer_ = std::move(observer); }

void ListModel::Notify(ListChangeKind kind, size_t row, size_t column) const {
    if (observer_) observer_({kind, row, column});
}

// An edit cannot outlive a change of the rows or columns it points into.
void ListModel::DropEdit() {
    if (!edit_) return;
    edit_.reset();
    Notify(ListChangeKind::Edit);
}

void ListModel::SetColumns(std::vector<ListColumn> columns) {
    DropEdit();
    columns_ = std::move(columns);
    for (auto& cells : rows_) cells.resize(columns_.size());
    Notify(ListChangeKind::Columns);
}

size_t ListModel::InsertRow(size_t at, std::vector<std::string> cells) {
    DropEdit();
    at = std::min(at, rows_.size());
    cells.resize(columns_.size());
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(cells));
    for (auto* mark : {&selected_, &focused_})
        if (*mark && **mark >= at) ++**mark;
    Notify(ListChangeKind::Rows);
    return at;
}

void ListModel::DeleteRow(size_t row) {
    if (row >= rows_.size()) return;
    DropEdit();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    for (auto* mark : {&selected_, &focused_}) {
        if (*mark == row) mark->reset();
        else if (*mark && **mark > row) --**mark;
    }
    Notify(ListChangeKind::Rows);
}

void ListModel::DeleteAllRows() { ReplaceRows({}); }

void ListModel::ReplaceRows(const ListCells& rows) {
    DropEdit();
    rows_ = rows;
    for (auto& cells : rows_) cells.resize(columns_.size());
    selected_.reset();
    focused_.reset();
    Notify(ListChangeKind::Rows);
}

const std::string& ListModel::Cell(size_t row, size_t column) const {
    if (row >= rows_.size() || column >= rows_[row].size()) return kNoText;
    return rows_[row][column];
}

bool ListModel::SetCell(size_t row, size_t column, std::string text) {
    if (row >= rows_.size() || column >= columns_.size()) return false;
    rows_[row][column] = std::move(text);
    Notify(ListChangeKind::Cell, row, column);
    return true;
}

void ListModel::SelectRow(size_t row) {
    if (row >= rows_.size()) return;
    selected_ = focused_ = row;
    Notify(ListChangeKind::Selection, row);
}

void ListModel::ClearSelection() {
    selected_.reset();
    focused_.reset();
    Notify(ListChangeKind::Selection);
}

void ListModel::EnsureVisible(size_t row) {
    if (row < rows_.size()) Notify(ListChangeKind::EnsureVisible, row);
}

void ListModel::SetColumnChars(size_t column, std::string_view chars) {
    if (column < chars_.size()) chars_[column] = Utf8ToUtf16(chars);
}

bool ListModel::AcceptsChar(size_t column, char16_t ch) const {
    if (ch == kBackspace || ch == kCopy || ch == kPaste || ch == kCut) return true;
    if (column >= chars_.size() || chars_[column].empty()) return true;
    return chars_[column].find(ch) != std::u16string::npos;
}

void ListModel::BeginEditAt(size_t row, size_t column, ClickModifiers modifiers) {
    if (row >= rows_.size() || column >= columns_.size()) return;
    DropEdit();
    SelectRow(row);
    if (modifiers.shift || modifiers.control) return;

    std::string text = rows_[row][column];
    if (IsComboColumn(column)) {
        OpenCombo(row, column, std::move(text));
    } else if (!IsReadOnlyColumn(column)) {
        edit_ = EditSession{EditorKind::Text, row, column, std::move(text), {}, std::nullopt};
        Notify(ListChangeKind::Edit, row, column);
    }
}

void ListModel::OpenCombo(size_t row, size_t column, std::string text) {
    std::vector<std::string> items = itemsRequest_ ? itemsRequest_(column) : std::vector<std::string>{};
    // The owner may have changed the list while it answered.
    if (row >= rows_.size() || column >= columns_.size()) return;
    if (columns_[column].width < MIN_COMBO_WIDTH) return;

    const auto match = std::find_if(items.begin(), items.end(),
                                    [&](const std::string& item) { return BeginsWithIgnoringCase(item, text); });
    std::optional<size_t> selected;
    if (match != items.end()) selected = static_cast<size_t>(match - items.begin());
    edit_ = EditSession{EditorKind::Combo, row, column, std::move(text), std::move(items), selected};
    Notify(ListChangeKind::Edit, row, column);
}

void ListModel::EndEdit(std::optional<std::string> text) {
    if (!edit_) return;
    EditSession edit = std::move(*edit_);
    edit_.reset();
    Notify(ListChangeKind::Edit, edit.row, edit.column);

    std::string result = text ? std::move(*text) : std::move(edit.initialText);
    if (!SetCell(edit.row, edit.column, result)) return;
    if (cellEdited_) cellEdited_(edit.row, edit.column, result);
}

}  // namespace tovrin
