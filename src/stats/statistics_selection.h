#pragma once

#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// How the statistics data are formed from the stored data; the values are those of the
// settings the statistics window keeps. Value 4 is not used.
enum class GroupMode : int {
    AllData = 0,
    PartialData = 1,
    RegularInterval = 2,
    FixedGroupAverage = 3,
    DailyAverage = 5,
};

// What the statistics window forms its statistics data from. Data numbers are 0-based.
struct StatisticsSelection {
    GroupMode mode;
    int nPartialBegin;  // begin <= end
    int nPartialEnd;
    int nRegularBegin;
    int nInterval;   // >= 1
    int nGroupSize;  // >= 1
};

// As the statistics window opens: all data, the partial range over every complete data, the
// interval and group size from the settings.
StatisticsSelection InitialStatisticsSelection(const MeasFileData& d, int interval, int groupSize);

// The general page's line of the group mode, with 1-based data numbers; "" for a mode that
// selects nothing.
std::string FormatGroupModeText(const StatisticsSelection& s);

}  // namespace klv
