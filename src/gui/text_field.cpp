#include "gui/text_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tovrin::gui {

// One line is as high as a line edit; each further line adds the font's line spacing.
TextField::TextField(int visibleLines, QWidget* parent) : QPlainTextEdit(parent) {
    m_height = QLineEdit().sizeHint().height() + (visibleLines - 1) * fontMetrics().lineSpacing();
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(visibleLines > 1 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setLineWrapMode(visibleLines > 1 ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TextField::sizeHint() const { return {QPlainTextEdit::sizeHint().width(), m_height}; }

QSize TextField::minimumSizeHint() const { return {fontMetrics().averageCharWidth() * 8, m_height}; }

void TextField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace tovrin::gui
