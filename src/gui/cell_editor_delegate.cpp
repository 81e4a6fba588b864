#include "gui/cell_editor_delegate.h"

#include <QApplication>
#include <QKeyEvent>

#include "gui/cell_editors.h"
#include "gui/focus_within.h"
#include "gui/qt_text.h"

namespace tovrin::gui {
namespace {

std::string EditorText(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return ToUtf8(combo->currentText());
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) return ToUtf8(line->text());
    return {};
}

}  // namespace

CellEditorDelegate::CellEditorDelegate(ListModel& list, QObject* parent) : QStyledItemDelegate(parent), m_list(list) {}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    const std::optional<EditSession>& edit = m_list.Edit();
    if (!edit) return nullptr;
    m_editor = edit->kind == EditorKind::Combo ? CreateCombo(parent, *edit) : CreateLineEdit(parent, *edit);
    return m_editor;
}

QWidget* CellEditorDelegate::CreateCombo(QWidget* parent, const EditSession& edit) const {
    auto* combo = new CellComboBox(parent);
    // Qt's interface makes createEditor const; the delegate still owns the session's end.
    auto* self = const_cast<CellEditorDelegate*>(this);
    for (const std::string& item : edit.items) combo->addItem(FromUtf8(item));
    combo->setCurrentIndex(edit.selectedItem ? static_cast<int>(*edit.selectedItem) : -1);
    // The choice is made when the list closes; let the combo finish taking it first.
    connect(combo, &CellComboBox::PopupClosed, self, [self, combo] {
        QMetaObject::invokeMethod(
            self, [self, editor = QPointer<QWidget>(combo)] { if (editor) self->Finish(editor, false); },
            Qt::QueuedConnection);
    });
    return combo;
}

QWidget* CellEditorDelegate::CreateLineEdit(QWidget* parent, const EditSession& edit) const {
    const size_t column = edit.column;
    auto* line = new CellLineEdit([this, column](char16_t ch) { return m_list.AcceptsChar(column, ch); }, parent);
    line->setText(FromUtf8(edit.initialText));
    line->selectAll();
    return line;
}

void CellEditorDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

// The view may drop an editor on its own; the session then ends as on a focus loss.
void CellEditorDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_editor) {
        m_editor = nullptr;
        const std::string text = EditorText(editor);
        m_list.EndEdit(text);
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CellEditorDelegate::DropEditor() {
    if (QWidget* editor = m_editor) {
        m_editor = nullptr;
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CellEditorDelegate::Finish(QWidget* editor, bool cancelled) {
    if (editor != m_editor) return;
    m_editor = nullptr;
    std::optional<std::string> text;
    if (!cancelled) text = EditorText(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_list.EndEdit(std::move(text));
}

// Enter and Escape are taken here, before any other keyboard handling sees them.
bool CellEditorDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || editor != m_editor) return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            Finish(editor, key == Qt::Key_Escape);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && !IsWithin(QApplication::focusWidget(), editor)) {
        Finish(editor, false);
    }
    return false;
}

}  // namespace tovrin::gui
