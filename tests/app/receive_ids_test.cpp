#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "support/host_line.h"

namespace tovrin {
namespace {

using test::Hex;
using test::HostLineTest;
using test::ToHex;

class ReceiveIds : public HostLineTest {
protected:
    std::string Stored() const {
        return dlg->profile().ReadText("RECEIVE SETTING", "cfgCANA.ini RECEIVE ID", "<absent>", 4096);
    }
    ListModel& List() { return dlg->receiveIdList(); }

    // As the user does it: click into the cell, type, leave the editor.
    void EditId(size_t row, const std::string& text) {
        List().BeginEditAt(row, 1);
        List().EndEdit(text);
    }
    void AddRows(int count) {
        for (int i = 0; i < count; ++i) dlg->Click(id::RECEIVE_ID_ADD);
    }
};

TEST_F(ReceiveIds, TenAddsNumberTheRowsAndTheEleventhIsRefused) {
    Start();
    AddRows(10);
    ASSERT_EQ(List().RowCount(), 10u);
    std::string expected = "10:";
    for (size_t row = 0; row < 10; ++row) {
        EXPECT_EQ(List().Cell(row, 0), std::to_string(row));
        EXPECT_EQ(List().Cell(row, 1), "00000000");
        expected += std::to_string(row) + ";00000000;";
    }
    EXPECT_EQ(List().SelectedRow(), 9u);
    EXPECT_EQ(List().FocusedRow(), 9u);
    EXPECT_EQ(Stored(), expected);
    EXPECT_TRUE(platform.boxes.empty());

    dlg->Click(id::RECEIVE_ID_ADD);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Set ID can not be more than 10");
    EXPECT_EQ(platform.boxes[0].caption, APP_TITLE);
    EXPECT_EQ(List().RowCount(), 10u);
    EXPECT_EQ(Stored(), expected);

    dlg->OnLanguageSwitch();
    EXPECT_EQ(List().RowCount(), 10u) << "reloaded from the stored value";
    dlg->Click(id::RECEIVE_ID_ADD);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, "设置不能超过10个ID");
}

TEST_F(ReceiveIds, DeleteRemovesTheLastRowWhateverIsSelected) {
    Start();
    AddRows(3);
    List().SelectRow(0);
    dlg->Click(id::RECEIVE_ID_DELETE);
    ASSERT_EQ(List().RowCount(), 2u);
    EXPECT_EQ(List().Cell(1, 0), "1");
    EXPECT_EQ(List().SelectedRow(), 1u) << "the new last row";
    EXPECT_EQ(List().FocusedRow(), 1u);
    EXPECT_EQ(Stored(), "2:0;00000000;1;00000000;");

    dlg->Click(id::RECEIVE_ID_DELETE);
    dlg->Click(id::RECEIVE_ID_DELETE);
    dlg->Click(id::RECEIVE_ID_DELETE);
    EXPECT_EQ(List().RowCount(), 0u);
    EXPECT_EQ(Stored(), "0:");
}

TEST_F(ReceiveIds, EditedCellsAreStoredWhenTheListLosesFocusAndComeBack) {
    Start();
    AddRows(2);
    EditId(1, "000007FF");
    EXPECT_EQ(Stored(), "2:0;00000000;1;00000000;") << "not yet";
    dlg->LoseFocus(id::RECEIVE_ID_LIST);
    EXPECT_EQ(Stored(), "2:0;00000000;1;000007FF;");

    Start();
    ASSERT_EQ(List().RowCount(), 2u);
    EXPECT_EQ(List().Cell(1, 1), "000007FF");
}

TEST_F(ReceiveIds, EnableSendsTheIdentifiersInListOrder) {
    const struct {
        std::vector<std::string> ids;
        const char* packet;
    } cases[] = {
        {{"00000001", "00000002"}, "AA 55 10 02 01 00 00 00 02 00 00 00 15"},
        {{"7FF", "1FFFFFFF"}, "AA 55 10 02 FF 07 00 00 FF FF FF 1F 34"},
        {{}, "AA 55 10 00 10"},
    };
    StartOnLine();
    for (const auto& c : cases) {
        while (List().RowCount() > 0) dlg->Click(id::RECEIVE_ID_DELETE);
        AddRows(static_cast<int>(c.ids.size()));
        for (size_t row = 0; row < c.ids.size(); ++row) EditId(row, c.ids[row]);
        dlg->Click(id::RECEIVE_ID_ENABLE);
        EXPECT_EQ(Next(4 * c.ids.size() + 5), ToHex(Hex(c.packet)));
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ReceiveIds, EnableRefusesTheWholeListForOneBadIdentifier) {
    const struct {
        const char* bad;
        bool english;
        const char* message;
    } cases[] = {
        {"123456789", true, "ID error"},
        {"", true, "ID error"},
        {"123456789", false, "ID有错误"},
    };
    StartOnLine();
    AddRows(2);
    for (const auto& c : cases) {
        if (dlg->english() != c.english) dlg->OnLanguageSwitch();
        EditId(0, "00000001");
        EditId(1, c.bad);
        platform.boxes.clear();
        dlg->Click(id::RECEIVE_ID_ENABLE);
        ASSERT_EQ(platform.boxes.size(), 1u) << c.bad;
        EXPECT_EQ(platform.boxes[0].text, c.message);
        EXPECT_EQ(platform.boxes[0].caption, APP_TITLE);

        dlg->Click(id::RECEIVE_ID_DISABLE);
        EXPECT_EQ(Next(5), "AA 55 10 00 10") << "the earlier row was not sent either";
    }
}

TEST_F(ReceiveIds, DisableLeavesTheListAndTheSettingsAlone) {
    StartOnLine();
    AddRows(2);
    EditId(0, "123");
    dlg->LoseFocus(id::RECEIVE_ID_LIST);
    const std::string before = Settings();
    dlg->Click(id::RECEIVE_ID_DISABLE);
    EXPECT_EQ(Next(5), "AA 55 10 00 10");
    EXPECT_EQ(List().RowCount(), 2u);
    EXPECT_EQ(List().Cell(0, 1), "123");
    EXPECT_EQ(Settings(), before);
}

// Only a hand-edited settings file holds more than ten; all of them are sent.
TEST_F(ReceiveIds, StoredListOfMoreThanTenIsSentWhole) {
    std::string value = "12:";
    for (int row = 0; row < 12; ++row) value += std::to_string(row) + ";" + ToHex({static_cast<uint8_t>(row + 1)}) + ";";
    WriteSettings("[RECEIVE SETTING]\r\ncfgCANA.ini RECEIVE ID=" + value + "\r\n");
    StartOnLine();
    ASSERT_EQ(List().RowCount(), 12u);
    dlg->Click(id::RECEIVE_ID_ENABLE);
    std::string expected = "AA 55 10 0C";
    int sum = 0x10 + 12;
    for (int id = 1; id <= 12; ++id) {
        expected += " " + ToHex({static_cast<uint8_t>(id)}) + " 00 00 00";
        sum += id;
    }
    expected += " " + ToHex({static_cast<uint8_t>(sum)});
    EXPECT_EQ(Next(4 * 12 + 5), expected);

    dlg->Click(id::RECEIVE_ID_ADD);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(List().RowCount(), 12u);
}

}  // namespace
}  // namespace tovrin
