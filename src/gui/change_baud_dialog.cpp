#include "gui/change_baud_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/com_baud.h"
#include "gui/qt_text.h"

namespace tovrin::gui {
namespace {

QString Text(std::string_view text) { return FromUtf8(std::string(text)); }

QLabel* Line(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

std::optional<int> RunChangeBaudDialog(bool english, int initialEntry, QWidget* parent) {
    const ComBaudDialogTexts& texts = ComBaudDialogFor(english);
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(DisplayTitle(texts)));
    auto* layout = new QVBoxLayout(&dialog);
    if (!texts.note.empty()) {
        QLabel* note = Line(texts.note, &dialog);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addWidget(Line(texts.flashHeading, &dialog));
    for (std::string_view flash : texts.flashLines) layout->addWidget(Line(flash, &dialog));

    auto* rates = new QComboBox(&dialog);
    for (const ConverterBaudEntry& entry : CONVERTER_BAUD_ENTRIES) rates->addItem(Text(entry.text));
    rates->setCurrentIndex(initialEntry);
    rates->setAccessibleDescription(QStringLiteral("control %1").arg(CONVERTER_BAUD_LIST));
    auto* list = new QFormLayout;
    list->addRow(Text(texts.listLabel), rates);
    rates->setAccessibleName(Text(texts.listLabel).trimmed());
    layout->addLayout(list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(Text(texts.okCaption));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(texts.cancelCaption));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return rates->currentIndex();
}

}  // namespace tovrin::gui
