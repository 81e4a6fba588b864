#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include "app/control_ids.h"
#include "gui/editable_list_view.h"
#include "window_fixture.h"

namespace tovrin::test {
namespace {

constexpr const char* kTwoReceiveIds = "[RECEIVE SETTING]\ncfgCANA.ini RECEIVE ID=2:0;00000123;1;000007FF;\n";
constexpr const char* kOneFrame =
    "[SEND SETTING]\nMUL FLAMES=1:0;Extended Frame;Data frame;00000000;00 01 02 03 04 05 06 07;\n";

class EditableListTest : public WindowTest {
protected:
    gui::EditableListView& View(int controlId) { return Widget<gui::EditableListView>(controlId); }

    void ClickCell(int controlId, int row, int column) {
        gui::EditableListView& view = View(controlId);
        const QRect cell = view.visualRect(view.model()->index(row, column));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    }

    template <class Editor>
    Editor* OpenEditor(int controlId) {
        for (Editor* editor : View(controlId).viewport()->findChildren<Editor*>())
            if (editor->isVisible()) return editor;
        return nullptr;
    }

    const std::string& ReceiveId(size_t row) const { return dlg->receiveIdList().Cell(row, 1); }
};

TEST_F(EditableListTest, AClickOnAnEditableCellSelectsItsRowAndOpensTheEditorOverTheCell) {
    Start(kTwoReceiveIds);
    ClickCell(id::RECEIVE_ID_LIST, 1, 1);
    EXPECT_EQ(dlg->receiveIdList().SelectedRow(), 1u);
    QLineEdit* editor = OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST);
    ASSERT_NE(editor, nullptr);
    gui::EditableListView& view = View(id::RECEIVE_ID_LIST);
    EXPECT_EQ(editor->geometry(), view.visualRect(view.model()->index(1, 1)));
    EXPECT_EQ(editor->text(), QStringLiteral("000007FF"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("000007FF"));
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(EditableListTest, ClicksThatHitNoEditableCellOpenNoEditor) {
    Start(kTwoReceiveIds);
    ClickCell(id::RECEIVE_ID_LIST, 0, 0);  // the number column is read-only
    EXPECT_EQ(dlg->receiveIdList().SelectedRow(), 0u);
    EXPECT_FALSE(View(id::RECEIVE_ID_LIST).EditorOpen());

    gui::EditableListView& view = View(id::RECEIVE_ID_LIST);
    const QRect lastRow = view.visualRect(view.model()->index(1, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, lastRow.center() + QPoint(0, 3 * lastRow.height()));
    EXPECT_EQ(dlg->receiveIdList().SelectedRow(), 0u);
    EXPECT_FALSE(view.EditorOpen());
}

TEST_F(EditableListTest, TheTextEditorRefusesCharactersOutsideTheColumnsSetButNotEditingKeysOrPastes) {
    Start(kTwoReceiveIds);
    ClickCell(id::RECEIVE_ID_LIST, 1, 1);
    QLineEdit* editor = OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST);
    ASSERT_NE(editor, nullptr);

    QTest::keyClicks(editor, "G");
    EXPECT_EQ(editor->text(), QStringLiteral("000007FF"));
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "a");
    EXPECT_EQ(editor->text(), QStringLiteral("000007Fa"));

    QApplication::clipboard()->setText(QStringLiteral("XYZ"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("XYZ"));
}

TEST_F(EditableListTest, EnterKeepsTheTextAndEscapeRestoresIt) {
    Start(kTwoReceiveIds);
    ClickCell(id::RECEIVE_ID_LIST, 1, 1);
    QTest::keyClicks(OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST), "1f");
    QTest::keyClick(OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST), Qt::Key_Return);
    EXPECT_EQ(ReceiveId(1), "1f");
    EXPECT_FALSE(View(id::RECEIVE_ID_LIST).EditorOpen());
    EXPECT_TRUE(View(id::RECEIVE_ID_LIST).hasFocus());

    ClickCell(id::RECEIVE_ID_LIST, 1, 1);
    QTest::keyClicks(OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST), "2");
    QTest::keyClick(OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST), Qt::Key_Escape);
    EXPECT_EQ(ReceiveId(1), "1f");
    EXPECT_FALSE(View(id::RECEIVE_ID_LIST).EditorOpen());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditableListTest, LeavingTheListEndsTheEditAndTheListIsStoredAsShown) {
    Start(kTwoReceiveIds);
    ClickCell(id::RECEIVE_ID_LIST, 1, 1);
    QTest::keyClicks(OpenEditor<QLineEdit>(id::RECEIVE_ID_LIST), "5");
    QTest::mouseClick(&Widget<QLineEdit>(id::FILTER_ID), Qt::LeftButton);

    EXPECT_EQ(ReceiveId(1), "5");
    EXPECT_FALSE(View(id::RECEIVE_ID_LIST).EditorOpen());
    EXPECT_TRUE(SettingsHave("cfgCANA.ini RECEIVE ID=2:0;00000123;1;5;"));
}

TEST_F(EditableListTest, ADropDownCellOpensOnItsEntryAndTakesTheChoiceWhenTheListCloses) {
    Start(kOneFrame);
    ClickCell(id::FRAME_LIST, 0, 2);
    QComboBox* editor = OpenEditor<QComboBox>(id::FRAME_LIST);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->count(), 2);
    EXPECT_EQ(editor->currentText(), QStringLiteral("Data frame"));

    editor->showPopup();
    editor->setCurrentIndex(1);
    editor->hidePopup();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg->frameList().Cell(0, 2) == "Remote frame"; }, 1000));
    EXPECT_FALSE(View(id::FRAME_LIST).EditorOpen());
}

}  // namespace
}  // namespace tovrin::test
