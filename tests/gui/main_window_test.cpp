#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

#include "app/captions.h"
#include "app/control_ids.h"
#include "box_closer.h"
#include "gui/accessible_names.h"
#include "gui/traffic_view.h"
#include "window_fixture.h"

namespace tovrin::test {
namespace {

QString ShownText(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (const auto* field = qobject_cast<const QPlainTextEdit*>(widget)) return field->toPlainText();
    return QStringLiteral("<no text>");
}

bool IsWidgetOfKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::Button: return qobject_cast<const QPushButton*>(widget);
        case ControlKind::CheckBox: return qobject_cast<const QCheckBox*>(widget);
        case ControlKind::OptionButton: return qobject_cast<const QRadioButton*>(widget);
        case ControlKind::Edit: return qobject_cast<const QLineEdit*>(widget);
        case ControlKind::MultiLineEdit: return qobject_cast<const QPlainTextEdit*>(widget);
        case ControlKind::DropDown: {
            const auto* combo = qobject_cast<const QComboBox*>(widget);
            return combo && combo->isEditable();
        }
        case ControlKind::DropList: {
            const auto* combo = qobject_cast<const QComboBox*>(widget);
            return combo && !combo->isEditable();
        }
        case ControlKind::List: return qobject_cast<const QTableView*>(widget);
        case ControlKind::Static: return qobject_cast<const QLabel*>(widget);
        case ControlKind::Group: return qobject_cast<const QGroupBox*>(widget);
    }
    return false;
}

class MainWindowTest : public WindowTest {
protected:
    void ExpectCaptions(bool english) {
        for (const Caption& caption : CaptionTable()) {
            const QString expected = QString::fromUtf8(english ? caption.english : caption.chinese);
            EXPECT_EQ(ShownText(window->widgetFor(caption.id)), expected) << "control " << caption.id;
        }
        for (const gui::NamedBy& entry : gui::AccessibleNameSources()) {
            const QString expected = QString::fromUtf8(CaptionFor(entry.captionId, english)).trimmed();
            EXPECT_EQ(window->widgetFor(entry.controlId)->accessibleName(), expected) << "control " << entry.controlId;
        }
        EXPECT_EQ(window->languageAction().text(), QString::fromUtf8(CaptionFor(id::LANGUAGE, english)));
    }
};

TEST_F(MainWindowTest, EveryControlHasOneWidgetOfItsKindThatShowsWhatTheModelShows) {
    Start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tovrin V7.10A"));
    for (const auto& [controlId, control] : dlg->controls().All()) {
        const QWidget* widget = window->widgetFor(controlId);
        ASSERT_NE(widget, nullptr) << "control " << controlId;
        EXPECT_EQ(widget->accessibleDescription(), QStringLiteral("control %1").arg(controlId));
        EXPECT_TRUE(IsWidgetOfKind(widget, control.kind)) << "control " << controlId;
        EXPECT_EQ(widget->isVisible(), control.visible) << "control " << controlId;
        EXPECT_EQ(widget->isEnabled(), control.enabled) << "control " << controlId;
    }
}

TEST_F(MainWindowTest, ControlsLaidOutButNeverShownStayHidden) {
    Start();
    for (int hidden : {id::DATA_BITS, id::PARITY, id::STOP_BITS, id::LANGUAGE, id::TRANSPARENT, id::AUTO_SAVE_TXT,
                       id::AUTO_SAVE_XLS})
        EXPECT_FALSE(window->widgetFor(hidden)->isVisible()) << "control " << hidden;
    // Standard timing at start: the rate list shows, the custom rate display does not.
    EXPECT_TRUE(window->widgetFor(id::STANDARD_BIT_RATE)->isVisible());
    EXPECT_FALSE(window->widgetFor(id::CUSTOM_BIT_RATE)->isVisible());
}

TEST_F(MainWindowTest, StartsEnglishAndTheLanguageMenuSwitchesEveryCaptionBothWays) {
    Start();
    ExpectCaptions(true);
    EXPECT_EQ(Widget<QComboBox>(id::FRAME_TYPE).currentText(), QStringLiteral("Extended Frame"));

    window->languageAction().trigger();
    ExpectCaptions(false);
    EXPECT_EQ(Widget<QComboBox>(id::FRAME_TYPE).currentText(), QStringLiteral("扩展帧"));
    EXPECT_EQ(Widget<QComboBox>(id::WORK_MODE).currentText(), QStringLiteral("正常模式"));
    EXPECT_EQ(window->trafficView().model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("序号"));

    dlg->OnLanguageSwitch();
    ExpectCaptions(true);
    EXPECT_EQ(window->trafficView().model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("No"));
}

TEST_F(MainWindowTest, EnterAndEscapeEndNothingWhereverTheFocusIs) {
    Start();
    QSignalSpy ended(window.get(), &gui::MainWindow::RunEnded);
    QLineEdit& identifier = Widget<QLineEdit>(id::SEND_ROWS[0].identifier);
    QPlainTextEdit& data = Widget<QPlainTextEdit>(id::SEND_ROWS[0].data);
    QLineEdit* port = Widget<QComboBox>(id::PORT).lineEdit();
    const QString dataBefore = data.toPlainText();

    for (QWidget* target : std::initializer_list<QWidget*>{window.get(), &identifier, &data, port,
                                                          window->widgetFor(id::REFRESH)}) {
        target->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
    }
    QTest::qWait(20);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(data.toPlainText(), dataBefore);  // Enter adds no line to a data field
}

TEST_F(MainWindowTest, TheAboutEntryShowsTheVersionBox) {
    Start();
    QAction* about = window->findChild<QMenuBar*>()->actions().at(1);
    BoxCloser boxes;
    about->trigger();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("软件版本 v7.10A 硬件版本 V.2.00"));
}

TEST_F(MainWindowTest, ExitEndsTheRunAndClosesTheWindow) {
    Start();
    QSignalSpy ended(window.get(), &gui::MainWindow::RunEnded);
    QTest::mouseClick(&Widget<QPushButton>(id::EXIT), Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingTheWindowReleasesAnOpenPortAndEndsTheRun) {
    Start();
    QComboBox& ports = Widget<QComboBox>(id::PORT);
    emit ports.activated(ports.findText(QString::fromLatin1(VIRTUAL_PORT_NAME)));
    QTest::mouseClick(&Widget<QPushButton>(id::OPEN), Qt::LeftButton);
    ASSERT_TRUE(dlg->port().IsOpen());

    QSignalSpy ended(window.get(), &gui::MainWindow::RunEnded);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(dlg->port().IsOpen());
}

}  // namespace
}  // namespace tovrin::test
