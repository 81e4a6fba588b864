#pragma once
#include <functional>

#include "records/traffic_list.h"
#include "records/traffic_record.h"

namespace tovrin {

// Wraps the record counter to 0 when it has reached the buffer frame count.
// Returns true when it did, so the caller can start its next automatic file.
bool WrapRecordCounter(int& recordCounter, int bufferFrames);

// Saves the row just placed, given its position: in a list shorter than the
// counter that is below the counter.
using SavingStep = std::function<void(int position)>;

// Normal placement: the record, numbered with the counter, replaces the row at
// the counter (or goes to the end of a shorter list); the saving step, if any,
// runs with the row in place; then the counter advances. Returns the position.
int AddTrafficRecord(TrafficList& list, int& recordCounter, TrafficRecord record,
                     const SavingStep& savingStep = {});

// How a record that replaces the row showing its Frame ID is numbered.
enum class MergedNumber {
    RowPosition,    // received frames: the number of the row it replaces
    RecordCounter,  // the automatic answer's record: the counter, as any new record
};

// Statistics placement: the record replaces the first row below the counter that
// shows the same Frame ID text, leaving the counter alone, and that row counts the
// frame in its statistics; with no such row it is placed as AddTrafficRecord places
// it, without saving. Returns the position.
int MergeTrafficRecord(TrafficList& list, int& recordCounter, TrafficRecord record,
                       MergedNumber numbering = MergedNumber::RowPosition);

}  // namespace tovrin
