#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tovrin {

struct ListColumn {
    std::string header;
    int width = 0;  // pixels
};

using ListCells = std::vector<std::vector<std::string>>;

struct ClickModifiers {
    bool shift = false;
    bool control = false;
};

enum class EditorKind { Text, Combo };

// One open in-place edit.
struct EditSession {
    EditorKind kind = EditorKind::Text;
    size_t row = 0;
    size_t column = 0;
    std::string initialText;              // the cell's text when the edit began
    std::vector<std::string> items;       // drop-down entries
    std::optional<size_t> selectedItem;   // drop-down entry shown as chosen when it opens
};

// What changed, so that a view can follow the model.
enum class ListChangeKind {
    Columns,      // headers, widths or count
    Rows,         // rows inserted, deleted or replaced
    Cell,         // one cell's text: row, column
    Selection,    // selected or focused row
    EnsureVisible,  // the view should scroll row into sight
    Edit,         // an edit opened or closed: see Edit()
};

struct ListChange {
    ListChangeKind kind;
    size_t row = 0;
    size_t column = 0;
};

// An editable list of text cells: rows in report form, one selected and focused row at
// most, and cells edited in place by a text editor or a drop-down. Every row holds one
// cell per column. The view draws it and reports clicks, typed characters and the end
// of an edit; the owner supplies drop-down entries and hears about finished edits.
class ListModel {
public:
    static constexpr size_t CHAR_FILTER_COLUMNS = 100;
    static constexpr int MIN_COMBO_WIDTH = 10;  // narrower drop-down columns never open

    using ItemsRequest = std::function<std::vector<std::string>(size_t column)>;
    using CellEdited = std::function<void(size_t row, size_t column, const std::string& text)>;
    using Observer = std::function<void(const ListChange&)>;

    void SetOwner(ItemsRequest itemsRequest, CellEdited cellEdited);
    void SetObserver(Observer observer);

    // Columns. A change of the count trims or extends every row's cells.
    void SetColumns(std::vector<ListColumn> columns);
    size_t ColumnCount() const { return columns_.size(); }
    const ListColumn& Column(size_t column) const { return columns_.at(column); }

    // Rows. Cells beyond the column count are dropped, missing ones are empty.
    size_t RowCount() const { return rows_.size(); }
    size_t InsertRow(size_t at, std::vector<std::string> cells);  // at is capped to RowCount()
    void DeleteRow(size_t row);
    void DeleteAllRows();
    void ReplaceRows(const ListCells& rows);  // empties the list, then fills it
    const std::string& Cell(size_t row, size_t column) const;  // empty when out of range
    bool SetCell(size_t row, size_t column, std::string text);
    const std::vector<std::string>& RowCells(size_t row) const { return rows_.at(row); }
    const ListCells& Rows() const { return rows_; }

    // Single selection; the focused row moves with it.
    void SelectRow(size_t row);
    void ClearSelection();
    std::optional<size_t> SelectedRow() const { return selected_; }
    std::optional<size_t> FocusedRow() const { return focused_; }
    void EnsureVisible(size_t row);

    // Editing set-up.
    void AddReadOnlyColumn(size_t column) { readOnly_.insert(column); }
    void AddComboColumn(size_t column) { combo_.insert(column); }
    void SetColumnChars(size_t column, std::string_view chars);  // empty: every character
    bool IsReadOnlyColumn(size_t column) const { return readOnly_.contains(column); }
    bool IsComboColumn(size_t column) const { return combo_.contains(column); }

    // Whether the text editor of a column takes a typed character. Backspace and the
    // copy, paste and cut controls always pass; pasted text is not filtered.
    bool AcceptsChar(size_t column, char16_t ch) const;

    // A click on a cell: the row becomes selected and focused; without Shift or Ctrl an
    // editor opens unless the column is read-only. A click that hits no cell is ignored.
    // An edit still open is dropped: the view ends it when its editor loses the focus,
    // which happens before the click reaches the list.
    void BeginEditAt(size_t row, size_t column, ClickModifiers modifiers = {});
    const std::optional<EditSession>& Edit() const { return edit_; }

    // The editor lost the focus: the cell gets the editor's text, or back its initial
    // text when the edit was cancelled (nullopt), and then the owner is told.
    void EndEdit(std::optional<std::string> text);

private:
    void Notify(ListChangeKind kind, size_t row = 0, size_t column = 0) const;
    void DropEdit();
    void OpenCombo(size_t row, size_t column, std::string text);

    std::vector<ListColumn> columns_;
    ListCells rows_;
    std::optional<size_t> selected_;
    std::optional<size_t> focused_;
    std::set<size_t> readOnly_;
    std::set<size_t> combo_;
    std::array<std::u16string, CHAR_FILTER_COLUMNS> chars_;
    std::optional<EditSession> edit_;
    ItemsRequest itemsRequest_;
    CellEdited cellEdited_;
    Observer observer_;
};

}  // namespace tovrin
