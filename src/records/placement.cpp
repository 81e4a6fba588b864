#include "records/placement.h"

#include <string>
#include <utility>

namespace tovrin {

bool WrapRecordCounter(int& recordCounter, int bufferFrames) {
    if (recordCounter < bufferFrames) return false;
    recordCounter = 0;
    return true;
}

int AddTrafficRecord(TrafficList& list, int& recordCounter, TrafficRecord record,
                     const SavingStep& savingStep) {
    record[TrafficColumn::No] = std::to_string(recordCounter);
    const int position = list.ReplaceAt(recordCounter, std::move(record));
    if (savingStep) savingStep(position);
    ++recordCounter;
    return position;
}

int MergeTrafficRecord(TrafficList& list, int& recordCounter, TrafficRecord record, MergedNumber numbering) {
    const std::string& id = record[TrafficColumn::FrameId];
    int match = list.FindFrameId(id, recordCounter);
    // A position below the counter that has no row reads as an empty Frame ID.
    if (match < 0 && id.empty() && list.size() < recordCounter) match = list.size();
    if (match < 0) return AddTrafficRecord(list, recordCounter, std::move(record));
    const int number = numbering == MergedNumber::RowPosition ? match : recordCounter;
    record[TrafficColumn::No] = std::to_string(number);
    if (match == list.size()) return list.ReplaceAt(match, std::move(record));
    const RowStatistics counted =
        WithNextFrame(list.statistics(match), list.row(match).epochMicros, record.epochMicros);
    return list.ReplaceAt(match, std::move(record), counted);
}

}  // namespace tovrin
