#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "records/row_statistics.h"
#include "records/traffic_record.h"

namespace tovrin {

// Told about every change of a TrafficList, so that a view can follow the rows
// where they are instead of copying them.
class TrafficListObserver {
public:
    virtual ~TrafficListObserver() = default;
    virtual void RowsChanged(int /*first*/, int /*last*/) {}
    virtual void RowAboutToBeAppended(int /*position*/) {}
    virtual void RowAppended(int /*position*/) {}
    virtual void AboutToClear() {}
    virtual void Cleared() {}
};

// The rows of the traffic list. Rows are only ever replaced in place or added at
// the end, so a row keeps its position until Clear.
class TrafficList {
public:
    int size() const { return static_cast<int>(rows_.size()); }
    const TrafficRecord& row(int position) const { return rows_.at(static_cast<size_t>(position)); }
    const RowStatistics& statistics(int position) const { return statistics_.at(static_cast<size_t>(position)); }

    // Replaces the row at the position, or adds the record at the end when the
    // position is past the last row. Returns the position the record went to.
    // A new row has seen one frame unless the caller counts on from an old one.
    int ReplaceAt(int position, TrafficRecord record, RowStatistics statistics = {});
    void Clear();

    // The first position below limit whose Frame ID text equals idText exactly
    // (case counts), or -1.
    int FindFrameId(std::string_view idText, int limit) const;

    void SetObserver(TrafficListObserver* observer) { observer_ = observer; }

private:
    void Index(int position);
    void Unindex(int position);

    std::deque<TrafficRecord> rows_;  // a deque grows without moving the rows it has
    std::deque<RowStatistics> statistics_;  // one per row, kept out of the record's texts
    std::map<std::string, std::set<int>, std::less<>> positionsById_;
    TrafficListObserver* observer_ = nullptr;

    TrafficListObserver& observer() {
        static TrafficListObserver nobody;
        return observer_ ? *observer_ : nobody;
    }
};

}  // namespace tovrin
