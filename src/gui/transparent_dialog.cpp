#include "gui/transparent_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace tovrin::gui {
namespace {

QString Text(std::string_view text) { return FromUtf8(std::string(text)); }

QLineEdit* IdentifierEdit(QWidget* parent) {
    auto* edit = new QLineEdit(Text(TRANSPARENT_INITIAL_ID), parent);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
    return edit;
}

}  // namespace

TransparentDialogResult RunTransparentDialog(bool english, QWidget* parent) {
    const TransparentDialogTexts& texts = TransparentDialogFor(english);
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(texts.title));
    QLineEdit* local = IdentifierEdit(&dialog);
    QLineEdit* remote = IdentifierEdit(&dialog);
    local->setAccessibleDescription(QStringLiteral("control %1").arg(TRANSPARENT_LOCAL_ID_EDIT));
    remote->setAccessibleDescription(QStringLiteral("control %1").arg(TRANSPARENT_REMOTE_ID_EDIT));

    auto* fields = new QFormLayout;
    fields->addRow(Text(texts.localIdLabel), local);
    fields->addRow(Text(texts.remoteIdLabel), remote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(Text(texts.okCaption));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(texts.cancelCaption));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    // Cancel keeps nothing of what was typed.
    if (dialog.exec() != QDialog::Accepted) return {};
    return {true, ToUtf8(local->text()), ToUtf8(remote->text())};
}

}  // namespace tovrin::gui
