#include "gui/cell_editors.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace tovrin::gui {

CellLineEdit::CellLineEdit(Accepts accepts, QWidget* parent) : QLineEdit(parent), m_accepts(std::move(accepts)) {
    setFrame(false);
}

bool CellLineEdit::AcceptsAll(const QString& typed) const {
    for (const QChar ch : typed)
        if (!m_accepts(ch.unicode())) return false;
    return true;
}

// Only printable text counts as typed: Backspace, Delete, the clipboard keys and the
// other editing keys reach the editor whatever the column takes.
void CellLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint();
    if (printable && !(event->modifiers() & Qt::ControlModifier) && !AcceptsAll(typed)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text committed by an input method is typed text too.
void CellLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (AcceptsAll(event->commitString())) return QLineEdit::inputMethodEvent(event);
    QApplication::beep();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
}

void CellComboBox::hidePopup() {
    QComboBox::hidePopup();
    emit PopupClosed();
}

}  // namespace tovrin::gui
