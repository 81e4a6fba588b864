#include "gui/control_widgets.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "app/control_ids.h"
#include "gui/qt_text.h"
#include "gui/text_field.h"
#include "gui/traffic_view.h"

namespace tovrin::gui {
namespace {

// Captions are shown as they are: an '&' is a character, not a shortcut mark.
QString Caption(const std::string& text) { return FromUtf8(text).replace(u'&', QStringLiteral("&&")); }

QWidget* CreateLineEdit(const Control& control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    if (control.digitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QWidget* CreateComboBox(const Control& control, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(control.kind == ControlKind::DropDown);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QStringList ItemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

// The box shows its longest entry (long port paths only in the opened list), so no
// entry is ever cut short.
void FitEntries(QComboBox& combo) {
    constexpr int MAX_SHOWN_CHARACTERS = 28;
    const int cap = combo.fontMetrics().averageCharWidth() * MAX_SHOWN_CHARACTERS;
    combo.setMinimumWidth(std::min(combo.sizeHint().width(), cap));
    combo.view()->setMinimumWidth(combo.view()->sizeHintForColumn(0) + 8);
}

void ShowCombo(QComboBox& combo, const Control& control) {
    QStringList items;
    for (const std::string& item : control.items) items << FromUtf8(item);
    if (ItemsOf(combo) != items) {
        combo.clear();
        combo.addItems(items);
        FitEntries(combo);
    }
    // An editable drop-down keeps its entry while the user types over it.
    if (control.selection >= 0 || !combo.isEditable()) combo.setCurrentIndex(control.selection);
    const QString text = FromUtf8(control.text);
    if (combo.isEditable() && combo.currentText() != text) combo.setEditText(text);
}

// The bus state text ends its lines with CR LF; the field wants plain line feeds.
void ShowTextField(TextField& field, const Control& control) {
    const QString text = FromUtf8(control.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (field.toPlainText() != text) field.setPlainText(text);
    field.setReadOnly(control.readOnly);
}

void ShowLineEdit(QLineEdit& edit, const Control& control) {
    const QString text = FromUtf8(control.text);
    if (edit.text() != text) edit.setText(text);
    edit.setReadOnly(control.readOnly);
}

}  // namespace

QWidget* CreateControlWidget(const Control& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::CheckBox: return new QCheckBox(parent);
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(parent);
            option->setAutoExclusive(false);  // the controller sets both buttons of the pair
            return option;
        }
        case ControlKind::Edit: return CreateLineEdit(control, parent);
        case ControlKind::MultiLineEdit: return new TextField(control.id == id::BUS_STATE ? 2 : 1, parent);
        case ControlKind::DropDown:
        case ControlKind::DropList: return CreateComboBox(control, parent);
        case ControlKind::Static: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Group: return new QGroupBox(parent);
        case ControlKind::List: break;
    }
    return nullptr;
}

void ShowControl(QWidget& widget, const Control& control) {
    const QSignalBlocker quiet(&widget);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(Caption(control.text));
        if (button->isCheckable()) button->setChecked(control.check != 0);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(FromUtf8(control.text));
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        group->setTitle(Caption(control.text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        ShowLineEdit(*edit, control);
    } else if (auto* field = qobject_cast<TextField*>(&widget)) {
        ShowTextField(*field, control);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        ShowCombo(*combo, control);
    } else if (auto* traffic = qobject_cast<TrafficView*>(&widget)) {
        traffic->SetHeadings(control.items);
    }
    widget.setEnabled(control.enabled);
    widget.setHidden(!control.visible);
}

}  // namespace tovrin::gui
