#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

#include "app/control_ids.h"
#include "gui/traffic_view.h"
#include "window_fixture.h"

namespace tovrin::test {
namespace {

class TrafficViewExtras : public WindowTest {
protected:
    gui::TrafficView& View() const { return window->trafficView(); }
    QString Heading(int column) const { return View().model()->headerData(column, Qt::Horizontal).toString(); }
    QString Cell(int row, int column) const { return View().model()->index(row, column).data().toString(); }
    bool StatisticsShown() const { return !View().isColumnHidden(8) && !View().isColumnHidden(9); }
    bool StatisticsHidden() const { return View().isColumnHidden(8) && View().isColumnHidden(9); }
};

TrafficRecord FrameAt(int64_t epochMicros) {
    TrafficRecord record;
    record[TrafficColumn::FrameId] = "00000123";
    record.epochMicros = epochMicros;
    return record;
}

TEST_F(TrafficViewExtras, CountAndCycleColumnsShowOnlyInStatisticsMode) {
    Start();
    EXPECT_TRUE(StatisticsHidden());
    EXPECT_EQ(Heading(8), QStringLiteral("Count"));
    EXPECT_EQ(Heading(9), QStringLiteral("Cycle (ms)"));

    Widget<QCheckBox>(id::RECEIVE_ONLY).click();
    EXPECT_TRUE(StatisticsHidden());
    Widget<QCheckBox>(id::STATISTICS).click();
    EXPECT_TRUE(StatisticsShown());

    dlg->MergeTrafficRecord(FrameAt(1'000'000));
    dlg->MergeTrafficRecord(FrameAt(1'002'500));
    View().trafficModel().Flush();
    EXPECT_EQ(Cell(0, 8), QStringLiteral("2"));
    EXPECT_EQ(Cell(0, 9), QStringLiteral("2.5"));

    dlg->OnLanguageSwitch();
    EXPECT_EQ(Heading(8), QStringLiteral("计数"));
    EXPECT_EQ(Heading(9), QStringLiteral("周期(ms)"));
    EXPECT_TRUE(StatisticsShown());

    Widget<QCheckBox>(id::RECEIVE_ONLY).click();  // turns statistics mode off as well
    EXPECT_TRUE(StatisticsHidden());
}

TEST_F(TrafficViewExtras, RightClickOffersTheExportsAndAnEntryAsksForItsFile) {
    Start();
    emit View().customContextMenuRequested(QPoint(10, 10));
    auto* menu = View().findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Export as candump log…"), QStringLiteral("Export as Vector ASC…"),
                                    QStringLiteral("Export as CSV…")}));

    QStringList askedFilters;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            askedFilters = dialog->nameFilters();
            dialog->reject();
        }
    });
    closer.start(10);
    menu->actions().back()->trigger();
    EXPECT_EQ(askedFilters, QStringList{QStringLiteral("CSV (*.csv)")});
    menu->close();
}

}  // namespace
}  // namespace tovrin::test
