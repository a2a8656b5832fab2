#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/delivery.h"
#include "reference/condition_store.h"

namespace klv {

struct SyncCounts {
    std::int64_t recorded = 0;  // measurements the database lacked
    std::int64_t retired = 0;   // rows whose measurement is no longer in the log
    int channels = 0;           // channels read
};

// Records every complete measurement of every channel's log that the database lacks, one
// transaction per channel; a second run finds nothing to do. `progress` hears the channel
// number (1-50) before each channel and stops the sync there by answering false. `quick` passes
// over a channel whose rows number its measurements and whose last measurement is recorded as it is
// in the log (the start-up's look for what a crash kept from the outbox).
DbResult SyncChannels(ResultsDatabase& db, ConditionStore& store, const TesterIdentity& tester,
                      const std::string& now, SyncCounts& counts,
                      const std::function<bool(int)>& progress = {}, bool quick = false);

}  // namespace klv
