#pragma once
#include <QTableView>

#include "controls/list_model.h"
#include "gui/cell_editor_delegate.h"
#include "gui/list_table_model.h"

namespace tovrin::gui {

// An editable list: it draws the list model and hands it the user's clicks; the list
// model decides what is selected and which editor opens.
class EditableListView : public QTableView {
    Q_OBJECT
public:
    EditableListView(ListModel& list, QWidget* parent = nullptr);
    ~EditableListView() override;

    bool EditorOpen() const { return m_delegate.EditorOpen(); }
    // Wide enough for every column.
    QSize sizeHint() const override;

signals:
    // The focus went from the list and its editor to somewhere else.
    void FocusLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Follow(const ListChange& change);
    void ShowColumns();
    void ShowSelection();
    void EndEditBeforeScrolling();

    ListModel& m_list;
    ListTableModel m_model;
    CellEditorDelegate m_delegate;
    bool m_showingModel = false;  // the view follows the list: tell it nothing back
};

}  // namespace tovrin::gui
