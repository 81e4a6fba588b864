#include "records/traffic_list.h"

#include <algorithm>
#include <utility>

namespace tovrin {

int TrafficList::ReplaceAt(int position, TrafficRecord record, RowStatistics statistics) {
    position = std::max(position, 0);
    if (position < size()) {
        Unindex(position);
        rows_[static_cast<size_t>(position)] = std::move(record);
        statistics_[static_cast<size_t>(position)] = statistics;
        Index(position);
        observer().RowsChanged(position, position);
        return position;
    }
    position = size();
    observer().RowAboutToBeAppended(position);
    rows_.push_back(std::move(record));
    statistics_.push_back(statistics);
    Index(position);
    observer().RowAppended(position);
    return position;
}

void TrafficList::Clear() {
    observer().AboutToClear();
    rows_.clear();
    statistics_.clear();
    positionsById_.clear();
    observer().Cleared();
}

int TrafficList::FindFrameId(std::string_view idText, int limit) const {
    const auto found = positionsById_.find(idText);
    if (found == positionsById_.end()) return -1;
    const int first = *found->second.begin();
    return first < limit ? first : -1;
}

void TrafficList::Index(int position) {
    const std::string& id = row(position)[TrafficColumn::FrameId];
    auto found = positionsById_.find(id);
    if (found == positionsById_.end()) found = positionsById_.emplace(id, std::set<int>{}).first;
    found->second.insert(position);
}

void TrafficList::Unindex(int position) {
    const auto found = positionsById_.find(row(position)[TrafficColumn::FrameId]);
    if (found == positionsById_.end()) return;
    found->second.erase(position);
    if (found->second.empty()) positionsById_.erase(found);
}

}  // namespace tovrin
