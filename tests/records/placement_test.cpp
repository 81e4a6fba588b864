#include "records/placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tovrin {
namespace {

TrafficRecord Frame(const std::string& id, const std::string& data = "") {
    TrafficRecord record;
    record[TrafficColumn::FrameId] = id;
    record[TrafficColumn::Data] = data;
    return record;
}

struct Row {
    std::string no, id, data;
    bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const TrafficList& list) {
    std::vector<Row> rows;
    for (int i = 0; i < list.size(); ++i) {
        const TrafficRecord& r = list.row(i);
        rows.push_back({r[TrafficColumn::No], r[TrafficColumn::FrameId], r[TrafficColumn::Data]});
    }
    return rows;
}

// One received record as the receive path places it in normal mode.
int Receive(TrafficList& list, int& counter, int bufferFrames, const std::string& data) {
    WrapRecordCounter(counter, bufferFrames);
    return AddTrafficRecord(list, counter, Frame("00000123", data));
}

TEST(Placement, RingOfThreeOverwritesTheOldestRows) {
    TrafficList list;
    int counter = 0;
    std::vector<int> positions;
    for (const char* data : {"a", "b", "c", "d", "e"}) positions.push_back(Receive(list, counter, 3, data));
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 2, 0, 1}));
    EXPECT_EQ(Rows(list), (std::vector<Row>{{"0", "00000123", "d"}, {"1", "00000123", "e"}, {"2", "00000123", "c"}}));
    EXPECT_EQ(counter, 2);
}

TEST(Placement, BufferOfZeroKeepsWritingRowZero) {
    TrafficList list;
    int counter = 0;
    for (const char* data : {"a", "b", "c"}) EXPECT_EQ(Receive(list, counter, 0, data), 0);
    EXPECT_EQ(Rows(list), (std::vector<Row>{{"0", "00000123", "c"}}));
}

TEST(Placement, LoweringTheBufferBelowTheCounterRestartsAtRowZero) {
    TrafficList list;
    int counter = 0;
    for (const char* data : {"a", "b", "c", "d", "e"}) Receive(list, counter, 5000, data);
    EXPECT_TRUE(WrapRecordCounter(counter, 3));
    EXPECT_EQ(AddTrafficRecord(list, counter, Frame("00000123", "f")), 0);
    EXPECT_EQ(Rows(list), (std::vector<Row>{{"0", "00000123", "f"},
                                            {"1", "00000123", "b"},
                                            {"2", "00000123", "c"},
                                            {"3", "00000123", "d"},
                                            {"4", "00000123", "e"}}));
    EXPECT_FALSE(WrapRecordCounter(counter, 3));
}

TEST(Placement, CounterPastTheLastRowAppendsAndSavesTheRowActuallyWritten) {
    TrafficList list;
    int counter = 2;  // sent frames hidden by "display receive only" moved it without rows
    int saved = -1;
    const int position = AddTrafficRecord(list, counter, Frame("00000123", "a"), [&](int p) {
        saved = p;
        EXPECT_EQ(counter, 2);  // the counter advances only after the saving step
    });
    EXPECT_EQ(position, 0);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(Rows(list), (std::vector<Row>{{"2", "00000123", "a"}}));
    EXPECT_EQ(counter, 3);
}

TEST(Placement, StatisticsKeepTheNewestFrameOfEachIdentifier) {
    TrafficList list;
    int counter = 0;
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("00000100", "first")), 0);
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("00000200", "second")), 1);
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("00000100", "third")), 0);
    EXPECT_EQ(Rows(list), (std::vector<Row>{{"0", "00000100", "third"}, {"1", "00000200", "second"}}));
    EXPECT_EQ(counter, 2);
}

TEST(Placement, StatisticsCompareIdentifierTextsExactly) {
    TrafficList list;
    int counter = 0;
    MergeTrafficRecord(list, counter, Frame("000000ab"));
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("000000AB")), 1);
    EXPECT_EQ(counter, 2);
}

TEST(Placement, StatisticsSearchOnlyBelowTheCounter) {
    TrafficList list;
    int counter = 0;
    for (const char* id : {"00000001", "00000002", "00000003"}) AddTrafficRecord(list, counter, Frame(id));
    counter = 1;
    // Row 2 shows the identifier but lies at or above the counter: a new record at row 1.
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("00000003", "new")), 1);
    EXPECT_EQ(Rows(list)[1], (Row{"1", "00000003", "new"}));
    EXPECT_EQ(counter, 2);
}

TEST(Placement, MergedRowNumbering) {
    for (const MergedNumber numbering : {MergedNumber::RowPosition, MergedNumber::RecordCounter}) {
        TrafficList list;
        int counter = 0;
        for (const char* id : {"00000001", "00000002", "00000003"}) AddTrafficRecord(list, counter, Frame(id));
        EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("00000002", "x"), numbering), 1);
        const std::string expected = numbering == MergedNumber::RowPosition ? "1" : "3";
        EXPECT_EQ(Rows(list)[1], (Row{expected, "00000002", "x"}));
        EXPECT_EQ(counter, 3);
    }
}

TEST(Placement, EmptyIdentifierMatchesAMissingRowBelowTheCounter) {
    TrafficList list;
    int counter = 0;
    AddTrafficRecord(list, counter, Frame("00000001"));
    counter = 3;
    EXPECT_EQ(MergeTrafficRecord(list, counter, Frame("")), 1);
    EXPECT_EQ(Rows(list)[1], (Row{"1", "", ""}));
    EXPECT_EQ(counter, 3);
}

}  // namespace
}  // namespace tovrin
