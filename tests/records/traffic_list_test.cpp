#include "records/traffic_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tovrin {
namespace {

TrafficRecord WithId(const std::string& id) {
    TrafficRecord record;
    record[TrafficColumn::FrameId] = id;
    return record;
}

int LinearFind(const TrafficList& list, const std::string& id, int limit) {
    for (int p = 0; p < limit && p < list.size(); ++p) {
        if (list.row(p)[TrafficColumn::FrameId] == id) return p;
    }
    return -1;
}

TEST(TrafficList, IndexedSearchChoosesWhatALinearSearchChooses) {
    std::mt19937 random(7);
    TrafficList list;
    const auto id = [&] { return "0000000" + std::to_string(random() % 6); };
    for (int step = 0; step < 5000; ++step) {
        if (step % 1000 == 999) list.Clear();
        list.ReplaceAt(static_cast<int>(random() % 40), WithId(id()));
        const std::string wanted = id();
        const int limit = static_cast<int>(random() % 45);
        ASSERT_EQ(list.FindFrameId(wanted, limit), LinearFind(list, wanted, limit)) << "step " << step;
    }
}

TEST(TrafficList, ReplaceAtKeepsOtherRowsInPlace) {
    TrafficList list;
    EXPECT_EQ(list.ReplaceAt(5, WithId("a")), 0);
    EXPECT_EQ(list.ReplaceAt(1, WithId("b")), 1);
    EXPECT_EQ(list.ReplaceAt(0, WithId("c")), 0);
    EXPECT_EQ(list.ReplaceAt(-3, WithId("d")), 0);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.row(0)[TrafficColumn::FrameId], "d");
    EXPECT_EQ(list.row(1)[TrafficColumn::FrameId], "b");
    EXPECT_EQ(list.FindFrameId("a", 10), -1);
    EXPECT_EQ(list.FindFrameId("c", 10), -1);
}

class RecordingObserver : public TrafficListObserver {
public:
    explicit RecordingObserver(const TrafficList& list) : list_(list) {}
    void RowsChanged(int first, int last) override { Note("changed", first, last); }
    void RowAboutToBeAppended(int position) override { Note("about to append", position, list_.size()); }
    void RowAppended(int position) override { Note("appended", position, list_.size()); }
    void AboutToClear() override { Note("about to clear", list_.size(), 0); }
    void Cleared() override { Note("cleared", list_.size(), 0); }
    std::vector<std::string> events;

private:
    void Note(const char* what, int a, int b) {
        events.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b));
    }
    const TrafficList& list_;
};

TEST(TrafficList, ObserverHearsEveryChangeAroundTheRowCount) {
    TrafficList list;
    RecordingObserver observer(list);
    list.SetObserver(&observer);
    list.ReplaceAt(0, WithId("a"));
    list.ReplaceAt(7, WithId("b"));
    list.ReplaceAt(0, WithId("c"));
    list.Clear();
    EXPECT_EQ(observer.events, (std::vector<std::string>{"about to append 0 0", "appended 0 1", "about to append 1 1",
                                                         "appended 1 2", "changed 0 0", "about to clear 2 0",
                                                         "cleared 0 0"}));
}

}  // namespace
}  // namespace tovrin
