#pragma once
#include <functional>

#include <QComboBox>
#include <QLineEdit>

namespace tovrin::gui {

// The in-place text editor: typed characters outside the column's set are refused
// with a beep. Editing keys and pasted text are not filtered.
class CellLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using Accepts = std::function<bool(char16_t)>;
    CellLineEdit(Accepts accepts, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool AcceptsAll(const QString& typed) const;
    Accepts m_accepts;
};

// The in-place drop-down; closing its list ends the edit.
class CellComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;

signals:
    void PopupClosed();
};

}  // namespace tovrin::gui
