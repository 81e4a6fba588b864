#pragma once
#include <QPointer>
#include <QStyledItemDelegate>

#include "controls/list_model.h"

namespace tovrin::gui {

// Opens the editor the list model's edit session asks for, exactly over its cell, and
// ends the session when the editor goes: Enter keeps the text, Escape restores it,
// losing the focus keeps it. The list model sets the cell; the table never does.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CellEditorDelegate(ListModel& list, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    bool EditorOpen() const { return !m_editor.isNull(); }
    // The session ended without the editor (the list changed under it): close it.
    void DropEditor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateCombo(QWidget* parent, const EditSession& edit) const;
    QWidget* CreateLineEdit(QWidget* parent, const EditSession& edit) const;
    void Finish(QWidget* editor, bool cancelled);

    ListModel& m_list;
    mutable QPointer<QWidget> m_editor;  // the one open editor
};

}  // namespace tovrin::gui
