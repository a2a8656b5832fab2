#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/file_messages.h"
#include "base/operator.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_selection.h"

namespace klv {

class ConditionStore;

// The statistics data: nDataCt data of L stored-item-shaped entries each, copies of stored
// items or, in the averaging modes, the first data of each group with the group's average.
struct FormedData {
    std::vector<MsrLogRecord> items;
    std::uint32_t nDataCt = 0;
    bool bXbarR = false;  // the X-bar/R chart may be shown
};

// Forms the statistics data from the channel's stored items (the first nItemCt count; an
// incomplete last data is never a statistics data). Memory exhaustion shows "Short of memory"
// and answers no data.
FormedData FormStatisticsData(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                              const StatisticsSelection& s, Operator& op);

// Reads the whole data log of channel `index` into `stored` (nItemCt items, zeros up to the end
// of the last data) and forms the statistics data. False, with no data, after a shown message.
bool FormGroups(ConditionStore& store, int index, const MeasFileData& d,
                const StatisticsSelection& s, std::vector<MsrLogRecord>& stored,
                FormedData& formed);

}  // namespace klv
