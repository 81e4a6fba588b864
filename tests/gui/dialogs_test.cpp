#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "config/com_baud.h"
#include "config/transparent.h"
#include "gui/qt_platform.h"

namespace tovrin::test {
namespace {

// Does what the user does in the next modal dialog that opens, then presses a button.
class DialogAnswer {
public:
    DialogAnswer(std::function<void(QDialog&)> fill, QDialogButtonBox::StandardButton press) {
        QObject::connect(&m_timer, &QTimer::timeout, [this, fill, press] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            m_timer.stop();
            title = dialog->windowTitle();
            fill(*dialog);
            dialog->findChild<QDialogButtonBox*>()->button(press)->click();
        });
        m_timer.start(10);
    }

    QString title;

private:
    QTimer m_timer;
};

QLineEdit& EditFor(QDialog& dialog, int controlId) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->accessibleDescription() == QStringLiteral("control %1").arg(controlId)) return *edit;
    throw std::logic_error("no edit");
}

struct BaudCase {
    bool english;
    int choose;  // -1: leave the list as it opened
    QDialogButtonBox::StandardButton press;
    std::optional<int> expected;
};

void PrintTo(const BaudCase& c, std::ostream* out) {
    *out << (c.english ? "English" : "Chinese") << ", entry " << c.choose << ", "
         << (c.press == QDialogButtonBox::Ok ? "Change" : "Cancel");
}

class ChangeBaudDialogTest : public ::testing::TestWithParam<BaudCase> {};

TEST_P(ChangeBaudDialogTest, AnswersTheChosenEntryOnlyAfterChange) {
    const BaudCase& c = GetParam();
    gui::QtPlatform platform;
    DialogAnswer answer(
        [&](QDialog& dialog) {
            auto* list = dialog.findChild<QComboBox*>();
            EXPECT_EQ(list->currentIndex(), CONVERTER_BAUD_INITIAL_ENTRY);
            EXPECT_EQ(list->count(), 6);
            if (c.choose >= 0) list->setCurrentIndex(c.choose);
        },
        c.press);
    EXPECT_EQ(platform.RunChangeBaudDialog(c.english, CONVERTER_BAUD_INITIAL_ENTRY), c.expected);
    EXPECT_EQ(answer.title, c.english ? QStringLiteral("Change the baud rate") : QStringLiteral("更改波特率"));
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangeBaudDialogTest,
                         ::testing::Values(BaudCase{true, -1, QDialogButtonBox::Ok, 3},
                                           BaudCase{false, 5, QDialogButtonBox::Ok, 5},
                                           BaudCase{true, 0, QDialogButtonBox::Ok, 0},
                                           BaudCase{false, 0, QDialogButtonBox::Cancel, std::nullopt}));

TEST(TransparentDialogTest, OkGivesBothIdentifiersAsTyped) {
    gui::QtPlatform platform;
    DialogAnswer answer(
        [](QDialog& dialog) {
            EXPECT_EQ(EditFor(dialog, TRANSPARENT_REMOTE_ID_EDIT).text(), QStringLiteral("00000000"));
            EditFor(dialog, TRANSPARENT_LOCAL_ID_EDIT).setText(QStringLiteral("123"));
            EditFor(dialog, TRANSPARENT_REMOTE_ID_EDIT).setText(QStringLiteral("1FFFFFFFF"));
        },
        QDialogButtonBox::Ok);
    const TransparentDialogResult result = platform.RunTransparentDialog(true);
    EXPECT_TRUE(result.confirmed);
    EXPECT_EQ(result.localId, "123");
    EXPECT_EQ(result.remoteId, "1FFFFFFFF");
    EXPECT_EQ(answer.title, QStringLiteral("Transparent transmission"));
}

TEST(TransparentDialogTest, CancelKeepsNothingOfWhatWasTyped) {
    gui::QtPlatform platform;
    DialogAnswer answer([](QDialog& dialog) { EditFor(dialog, TRANSPARENT_LOCAL_ID_EDIT).setText("77"); },
                        QDialogButtonBox::Cancel);
    const TransparentDialogResult result = platform.RunTransparentDialog(false);
    EXPECT_FALSE(result.confirmed);
    EXPECT_EQ(result.localId, "00000000");
    EXPECT_EQ(result.remoteId, "00000000");
    EXPECT_EQ(answer.title, QStringLiteral("透明传输"));
}

}  // namespace
}  // namespace tovrin::test
