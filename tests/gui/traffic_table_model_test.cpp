#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "gui/traffic_table_model.h"

namespace tovrin::test {
namespace {

TrafficRecord Row(int number) {
    TrafficRecord row;
    row.cells = {std::to_string(number), "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "0", ""};
    return row;
}

// The view learns of changes only when the model flushes, in one batch.
class TrafficTableModelTest : public ::testing::Test {
protected:
    void Append(int count) {
        for (int i = 0; i < count; ++i) list.ReplaceAt(list.size(), Row(list.size()));
    }
    QString Cell(int row, int column) const { return model.data(model.index(row, column), Qt::DisplayRole).toString(); }

    TrafficList list;
    gui::TrafficTableModel model{list};
    QSignalSpy inserted{&model, &QAbstractItemModel::rowsInserted};
    QSignalSpy changed{&model, &QAbstractItemModel::dataChanged};
    QSignalSpy reset{&model, &QAbstractItemModel::modelReset};
    QSignalSpy flushed{&model, &gui::TrafficTableModel::Flushed};
};

TEST_F(TrafficTableModelTest, AppendedRowsAreAnnouncedTogetherAtTheFlush) {
    Append(3);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(inserted.count(), 0);

    model.Flush();
    EXPECT_EQ(model.rowCount(), 3);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 2);
    EXPECT_EQ(Cell(2, 0), QStringLiteral("2"));
    EXPECT_EQ(flushed.count(), 1);
}

TEST_F(TrafficTableModelTest, ReplacedRowsAreRepaintedOnceAndNewRowsFollow) {
    Append(5);
    model.Flush();
    list.ReplaceAt(3, Row(30));
    list.ReplaceAt(1, Row(10));
    Append(1);
    model.Flush();

    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 3);
    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted[1][1].toInt(), 5);
    EXPECT_EQ(inserted[1][2].toInt(), 5);
    EXPECT_EQ(Cell(1, 0), QStringLiteral("10"));
}

TEST_F(TrafficTableModelTest, AFlushWithNothingNewSaysNothing) {
    Append(2);
    model.Flush();
    model.Flush();
    EXPECT_EQ(flushed.count(), 1);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(TrafficTableModelTest, TheTimerFlushesWithoutBeingAsked) {
    Append(4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 4; }, 1000));
    EXPECT_EQ(inserted.count(), 1);
}

TEST_F(TrafficTableModelTest, ClearingEmptiesTheTableAtOnceAndDropsWhatWasPending) {
    Append(3);
    model.Flush();
    Append(2);
    list.ReplaceAt(0, Row(7));
    list.Clear();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);

    model.Flush();
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    Append(1);
    model.Flush();
    EXPECT_EQ(model.rowCount(), 1);
}

}  // namespace
}  // namespace tovrin::test
