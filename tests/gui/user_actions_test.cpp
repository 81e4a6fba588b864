#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/control_ids.h"
#include "box_closer.h"
#include "gui/traffic_view.h"
#include "window_fixture.h"

namespace tovrin::test {
namespace {

using UserActionTest = WindowTest;

TrafficRecord Row(const std::string& number, const std::string& frameId) {
    TrafficRecord row;
    row.cells = {number, "Receive", "14:03:27:045", "Data frame", "Standard frame", frameId, "2", "01 ff "};
    return row;
}

TEST_F(UserActionTest, TypedTextReachesTheHandlersWhileModelChangesNeverComeBack) {
    Start();
    QTest::keyClicks(&Widget<QLineEdit>(id::FILTER_ID), "7");
    QPlainTextEdit& data = Widget<QPlainTextEdit>(id::SEND_ROWS[0].data);
    data.moveCursor(QTextCursor::End);
    QTest::keyClicks(&data, " 99");
    EXPECT_TRUE(SettingsHave("Filter ID=000000007"));
    EXPECT_TRUE(SettingsHave("DATA=11 22 33 44 55 66 77 88 99"));

    dlg->controls().SetText(id::MASK_ID, "ABC");
    dlg->controls().SetText(id::SEND_ROWS[1].data, "01 02");
    dlg->controls().Select(id::WORK_MODE, 2);
    EXPECT_EQ(Widget<QLineEdit>(id::MASK_ID).text(), QStringLiteral("ABC"));
    EXPECT_EQ(Widget<QPlainTextEdit>(id::SEND_ROWS[1].data).toPlainText(), QStringLiteral("01 02"));
    EXPECT_EQ(Widget<QComboBox>(id::WORK_MODE).currentIndex(), 2);
    EXPECT_FALSE(SettingsHave("Mask ID="));
    EXPECT_FALSE(SettingsHave("DATA1="));
    EXPECT_FALSE(SettingsHave("MODE="));
}

TEST_F(UserActionTest, AChoiceInADropDownReachesItsHandler) {
    Start();
    emit Widget<QComboBox>(id::FRAME_TYPE).activated(0);
    EXPECT_EQ(dlg->controls().Get(id::FRAME_TYPE).selection, 0);
    EXPECT_TRUE(SettingsHave("TYPE=Standard frame"));
}

TEST_F(UserActionTest, DigitsOnlyFieldsRefuseOtherCharacters) {
    Start();
    QLineEdit& total = Widget<QLineEdit>(id::BUFFER_FRAMES);
    total.selectAll();
    QTest::keyClicks(&total, "12a-3");
    EXPECT_EQ(total.text(), QStringLiteral("123"));
    EXPECT_EQ(dlg->controls().Get(id::BUFFER_FRAMES).text, "123");
    EXPECT_TRUE(SettingsHave("Total=123"));
}

TEST_F(UserActionTest, FramesOfTheVirtualConverterReachTheTrafficList) {
    Start();
    QComboBox& ports = Widget<QComboBox>(id::PORT);
    const int virtualPort = ports.findText(QString::fromLatin1(VIRTUAL_PORT_NAME));
    ASSERT_GE(virtualPort, 0);
    emit ports.activated(virtualPort);

    QTest::mouseClick(&Widget<QPushButton>(id::OPEN), Qt::LeftButton);
    EXPECT_TRUE(Widget<QPushButton>(id::CLOSE).isEnabled());
    EXPECT_FALSE(Widget<QPushButton>(id::OPEN).isEnabled());
    ASSERT_TRUE(Widget<QPushButton>(id::SET_AND_START).isEnabled());

    // The converter passes bus traffic once it has been started.
    QTest::mouseClick(&Widget<QPushButton>(id::SET_AND_START), Qt::LeftButton);
    const QAbstractItemModel& rows = *window->trafficView().model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows.rowCount() > 0; }, 5000));
    EXPECT_EQ(rows.data(rows.index(0, 0)).toString(), QStringLiteral("0"));
    EXPECT_EQ(rows.data(rows.index(0, 1)).toString(), QStringLiteral("Receive"));

    QTest::mouseClick(&Widget<QPushButton>(id::CLOSE), Qt::LeftButton);
    EXPECT_TRUE(Widget<QPushButton>(id::OPEN).isEnabled());
    EXPECT_FALSE(Widget<QPushButton>(id::SET_AND_START).isEnabled());
}

TEST_F(UserActionTest, DoubleClickShowsOneBoxPerSelectedRowInListOrder) {
    Start();
    for (const char* frameId : {"00000100", "00000200", "00000300"})
        dlg->trafficList().ReplaceAt(dlg->trafficList().size(), Row(std::to_string(dlg->trafficList().size()), frameId));
    gui::TrafficView& view = window->trafficView();
    view.trafficModel().Flush();
    const QAbstractItemModel& rows = *view.model();
    view.selectionModel()->select(rows.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(rows.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    BoxCloser boxes;
    emit view.doubleClicked(rows.index(2, 3));
    EXPECT_EQ(dlg->trafficSelection(), (std::vector<int>{0, 2}));
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("00000100"))) << boxes.texts[0].toStdString();
    EXPECT_TRUE(boxes.texts[1].contains(QStringLiteral("00000300"))) << boxes.texts[1].toStdString();
}

}  // namespace
}  // namespace tovrin::test
