#include "records/row_statistics.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

TEST(RowStatistics, TextsOfTheCountAndTheCycleInMilliseconds) {
    struct Case {
        RowStatistics statistics;
        const char* count;
        const char* cycle;
    } const cases[] = {
        {{}, "1", ""},
        {{2, 0}, "2", "0.0"},
        {{2, 960}, "2", "1.0"},
        {{3, 10000}, "3", "10.0"},
        {{40000, 1234567}, "40000", "1234.6"},
        {{5000000000, 86400000000}, "5000000000", "86400000.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatisticsText(c.statistics, StatisticsColumn::Count), c.count);
        EXPECT_EQ(StatisticsText(c.statistics, StatisticsColumn::Cycle), c.cycle) << c.count;
    }
}

TEST(RowStatistics, NextFrameCountsOnAndTakesItsDistanceToThePreviousOne) {
    const RowStatistics second = WithNextFrame({}, 1000, 4500);
    EXPECT_EQ(second.frames, 2);
    EXPECT_EQ(second.cycleMicros, 3500);
    const RowStatistics third = WithNextFrame(second, 4500, 4600);
    EXPECT_EQ(third.frames, 3);
    EXPECT_EQ(third.cycleMicros, 100);
}

}  // namespace
}  // namespace tovrin
