#include "transmit/send_timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace tovrin {
namespace {

TEST(SendTimer, PeriodIsTheIntervalButAtLeastTenMs) {
    const std::pair<int, int> cases[] = {{-5, 10}, {0, 10}, {5, 10}, {10, 10}, {11, 11}, {1000, 1000}};
    for (auto [interval, period] : cases) EXPECT_EQ(SendTimerPeriodMs(interval), period) << interval;
}

// Drives a run the way the window does: the first row at the press, then one tick per
// period, with rowValid telling whether a row sends.
struct ListRun {
    ListRun(size_t rowCount, bool cycle) : rows(rowCount), cyclic(cycle), valid(rowCount, true) {}

    size_t rows;
    bool cyclic;
    std::vector<bool> valid;
    size_t frameIndex = 0;
    bool running = true;
    std::vector<size_t> sent;

    void Send(size_t row) {
        if (!valid[row]) {
            running = false;  // an invalid row stops the timer
            return;
        }
        sent.push_back(row);
        frameIndex = row + 1;
    }
    void Press() {
        if (rows > 0) Send(0);
    }
    void Tick() {
        const SendTick tick = PlanSendTick(frameIndex, rows, cyclic);
        frameIndex = tick.frameIndex;
        if (tick.runEnds) running = false;
        if (tick.row) Send(*tick.row);
    }
};

TEST(SendTimer, CyclicRunRepeatsTheListWithoutIdleTick) {
    ListRun run{3, true};
    run.Press();
    for (int i = 0; i < 5; ++i) run.Tick();
    EXPECT_EQ(run.sent, (std::vector<size_t>{0, 1, 2, 0, 1, 2}));
    EXPECT_TRUE(run.running);
}

TEST(SendTimer, SinglePassEndsOneTickAfterTheLastRow) {
    ListRun run{3, false};
    run.Press();
    run.Tick();
    run.Tick();
    EXPECT_TRUE(run.running);
    run.Tick();
    EXPECT_FALSE(run.running);
    EXPECT_EQ(run.sent, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(run.frameIndex, 0u);
}

TEST(SendTimer, InvalidRowStopsAndKeepsItsIndex) {
    ListRun run{3, true};
    run.valid[1] = false;
    run.Press();
    run.Tick();
    EXPECT_FALSE(run.running);
    EXPECT_EQ(run.sent, (std::vector<size_t>{0}));
    EXPECT_EQ(run.frameIndex, 1u);

    ListRun wrap{2, true};
    wrap.Press();
    wrap.Tick();
    wrap.valid[0] = false;
    wrap.Tick();  // the new pass fails at row 0
    EXPECT_FALSE(wrap.running);
    EXPECT_EQ(wrap.frameIndex, 0u);
}

TEST(SendTimer, ListChangesBetweenTicks) {
    // Cycle with an emptied list: nothing sent, the timer keeps running.
    EXPECT_EQ(PlanSendTick(2, 0, true).row, std::nullopt);
    EXPECT_FALSE(PlanSendTick(2, 0, true).runEnds);
    EXPECT_EQ(PlanSendTick(2, 0, true).frameIndex, 0u);
    // Rows deleted behind the index complete the pass.
    EXPECT_TRUE(PlanSendTick(5, 3, false).runEnds);
    EXPECT_EQ(PlanSendTick(5, 3, true).row, size_t{0});
    // Rows added during a pass are sent in it.
    EXPECT_EQ(PlanSendTick(3, 4, false).row, size_t{3});
}

}  // namespace
}  // namespace tovrin
