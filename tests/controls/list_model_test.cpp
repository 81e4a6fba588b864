#include "controls/list_model.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

using Cells = std::vector<std::string>;

// The frame list as the window sets it up: number read-only, two drop-downs, two
// filtered text columns.
class FrameList : public ::testing::Test {
protected:
    void SetUp() override {
        list.SetColumns({{"Send No", 60}, {"Frame Type", 100}, {"Frame Format", 90}, {"Frame ID", 65}, {"Data", 200}});
        list.AddReadOnlyColumn(0);
        list.AddComboColumn(1);
        list.AddComboColumn(2);
        list.SetColumnChars(3, "0123456789abcdefABCDEF");
        list.SetColumnChars(4, "0123456789abcdefABCDEF ");
        for (size_t i = 0; i < 3; ++i)
            list.InsertRow(i, {std::to_string(i), "Extended Frame", "Data frame", "0000000" + std::to_string(i), "00 01"});
        list.SetOwner(
            [this](size_t column) {
                requests.push_back(column);
                if (column == 1) return Cells{"Standard frame", "Extended Frame"};
                return Cells{"Data frame", "Remote frame"};
            },
            [this](size_t row, size_t column, const std::string& text) {
                // The cell is already set when the owner hears of the edit.
                EXPECT_EQ(list.Cell(row, column), text);
                edits.push_back({std::to_string(row), std::to_string(column), text});
            });
    }

    ListModel list;
    std::vector<size_t> requests;
    std::vector<Cells> edits;
};

TEST_F(FrameList, ClickOnAnUnselectedRowSelectsItAndOpensTheEditor) {
    list.SelectRow(0);
    list.BeginEditAt(2, 3);
    EXPECT_EQ(list.SelectedRow(), 2u);
    EXPECT_EQ(list.FocusedRow(), 2u);
    ASSERT_TRUE(list.Edit());
    EXPECT_EQ(list.Edit()->kind, EditorKind::Text);
    EXPECT_EQ(list.Edit()->row, 2u);
    EXPECT_EQ(list.Edit()->column, 3u);
    EXPECT_EQ(list.Edit()->initialText, "00000002");
    EXPECT_TRUE(requests.empty());
}

TEST_F(FrameList, ClicksThatOpenNoEditor) {
    struct Case {
        const char* name;
        size_t row, column;
        ClickModifiers modifiers;
    } cases[] = {
        {"shift", 1, 3, {true, false}},
        {"control", 1, 4, {false, true}},
        {"read-only column", 1, 0, {}},
        {"shift on a drop-down", 1, 1, {true, false}},
    };
    for (const auto& c : cases) {
        list.SelectRow(0);
        list.BeginEditAt(c.row, c.column, c.modifiers);
        EXPECT_EQ(list.SelectedRow(), c.row) << c.name;
        EXPECT_FALSE(list.Edit()) << c.name;
    }
    EXPECT_TRUE(requests.empty());
}

TEST_F(FrameList, ClickBesideTheCellsDoesNothing) {
    list.SelectRow(1);
    list.BeginEditAt(3, 3);  // below the last row
    list.BeginEditAt(0, 5);  // right of the last column
    EXPECT_EQ(list.SelectedRow(), 1u);
    EXPECT_FALSE(list.Edit());
    EXPECT_TRUE(requests.empty());
}

TEST_F(FrameList, DropDownPreselectsTheFirstEntryBeginningWithTheCellText) {
    struct Case {
        const char* cell;
        std::optional<size_t> selected;
    } cases[] = {
        {"Data frame", 0}, {"Remote frame", 1}, {"remote FRAME", 1}, {"Rem", 1},
        {"", 0},  // every entry begins with an empty text
        {"数据帧", std::nullopt}, {"Data frames", std::nullopt},
    };
    for (const auto& c : cases) {
        list.SetCell(1, 2, c.cell);
        list.BeginEditAt(1, 2);
        ASSERT_TRUE(list.Edit()) << c.cell;
        EXPECT_EQ(list.Edit()->kind, EditorKind::Combo);
        EXPECT_EQ(list.Edit()->items, (Cells{"Data frame", "Remote frame"}));
        EXPECT_EQ(list.Edit()->selectedItem, c.selected) << c.cell;
        list.EndEdit(std::nullopt);
    }
    EXPECT_EQ(requests, std::vector<size_t>(std::size(cases), 2));
}

TEST_F(FrameList, DropDownNeedsTenPixels) {
    list.SetColumns({{"Send No", 60}, {"Frame Type", 9}, {"Frame Format", 10}, {"Frame ID", 65}, {"Data", 200}});
    list.BeginEditAt(0, 1);
    EXPECT_FALSE(list.Edit());
    list.BeginEditAt(0, 2);
    EXPECT_TRUE(list.Edit());
    EXPECT_EQ(requests, (std::vector<size_t>{1, 2}));  // the entries are asked for before the width counts
}

TEST_F(FrameList, EnterKeepsTheTextAndEscapeRestoresIt) {
    list.BeginEditAt(1, 3);
    list.EndEdit("7FF");
    EXPECT_EQ(list.Cell(1, 3), "7FF");
    EXPECT_FALSE(list.Edit());

    list.BeginEditAt(1, 3);
    list.EndEdit(std::nullopt);
    EXPECT_EQ(list.Cell(1, 3), "7FF");

    list.BeginEditAt(2, 2);
    list.EndEdit("Remote frame");  // the drop-down closed on a choice
    EXPECT_EQ(list.Cell(2, 2), "Remote frame");

    EXPECT_EQ(edits, (std::vector<Cells>{{"1", "3", "7FF"}, {"1", "3", "7FF"}, {"2", "2", "Remote frame"}}));
    list.EndEdit("late");  // no edit open
    EXPECT_EQ(edits.size(), 3u);
}

TEST_F(FrameList, AcceptedCharactersPerColumn) {
    struct Case {
        size_t column;
        char16_t ch;
        bool accepted;
    } cases[] = {
        {3, u'G', false}, {3, u'a', true}, {3, u'F', true}, {3, u' ', false}, {3, u';', false},
        {4, u' ', true},  {4, u'x', false},
        {3, 8, true}, {3, 3, true}, {3, 22, true}, {3, 24, true},  // Backspace, Ctrl+C, Ctrl+V, Ctrl+X
        {0, u'G', true}, {99, u';', true}, {100, u'G', true},      // no filter set
    };
    for (const auto& c : cases) EXPECT_EQ(list.AcceptsChar(c.column, c.ch), c.accepted) << c.column << " " << int(c.ch);

    list.SetColumnChars(99, "数据");
    EXPECT_TRUE(list.AcceptsChar(99, u'数'));
    EXPECT_FALSE(list.AcceptsChar(99, u'帧'));
    list.SetColumnChars(100, "0");  // beyond the filters: ignored
    EXPECT_TRUE(list.AcceptsChar(100, u'G'));
}

TEST_F(FrameList, RowChangesDropAnOpenEditAndKeepTheSelectionOnItsRow) {
    list.BeginEditAt(2, 4);
    list.DeleteRow(0);
    EXPECT_FALSE(list.Edit());
    EXPECT_EQ(list.SelectedRow(), 1u);
    list.EndEdit("01");  // the editor's late close changes nothing
    EXPECT_TRUE(edits.empty());
    EXPECT_EQ(list.Cell(1, 4), "00 01");

    list.InsertRow(0, {"x"});
    EXPECT_EQ(list.SelectedRow(), 2u);
    list.DeleteRow(2);
    EXPECT_EQ(list.SelectedRow(), std::nullopt);
    EXPECT_EQ(list.FocusedRow(), std::nullopt);
}

TEST_F(FrameList, OwnerMayEmptyTheListWhileItListsEntries) {
    list.SetOwner([this](size_t) { list.DeleteAllRows(); return Cells{"Data frame"}; }, nullptr);
    list.BeginEditAt(1, 2);
    EXPECT_FALSE(list.Edit());
    EXPECT_EQ(list.RowCount(), 0u);
}

TEST(ListModel, EveryRowHoldsOneCellPerColumn) {
    ListModel list;
    list.SetColumns({{"No", 40}, {"ID", 80}});
    EXPECT_EQ(list.InsertRow(9, {"0"}), 0u);  // capped to the end
    list.InsertRow(1, {"1", "00000123", "extra"});
    EXPECT_EQ(list.Rows(), (std::vector<Cells>{{"0", ""}, {"1", "00000123"}}));
    EXPECT_FALSE(list.SetCell(0, 2, "x"));
    EXPECT_FALSE(list.SetCell(2, 0, "x"));
    EXPECT_EQ(list.Cell(5, 5), "");

    list.SetColumns({{"No", 40}, {"ID", 80}, {"Note", 80}});
    EXPECT_EQ(list.RowCells(1), (Cells{"1", "00000123", ""}));
    list.ReplaceRows({{"a", "b", "c", "d"}, {}});
    EXPECT_EQ(list.Rows(), (std::vector<Cells>{{"a", "b", "c"}, {"", "", ""}}));
}

TEST(ListModel, ObserverFollowsEveryChange) {
    ListModel list;
    std::vector<ListChangeKind> seen;
    list.SetObserver([&](const ListChange& change) { seen.push_back(change.kind); });
    list.SetColumns({{"No", 40}, {"ID", 80}});
    list.InsertRow(0, {"0", "1"});
    list.EnsureVisible(0);
    list.BeginEditAt(0, 1);
    list.EndEdit("2");
    using K = ListChangeKind;
    EXPECT_EQ(seen, (std::vector<K>{K::Columns, K::Rows, K::EnsureVisible, K::Selection, K::Edit, K::Edit, K::Cell}));
}

}  // namespace
}  // namespace tovrin
