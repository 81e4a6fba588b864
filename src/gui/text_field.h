#pragma once
#include <QPlainTextEdit>

namespace tovrin::gui {

// The window's multi-line edits (send-row data, bus state): the text wraps or
// scrolls, but Enter adds no line, as in every other field of the window.
class TextField : public QPlainTextEdit {
    Q_OBJECT
public:
    TextField(int visibleLines, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_height;
};

}  // namespace tovrin::gui
