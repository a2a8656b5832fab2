#include "stats/statistics_selection.h"

#include <cstdint>
#include <cstdio>

namespace klv {

StatisticsSelection InitialStatisticsSelection(const MeasFileData& d, int interval, int groupSize) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    const int complete = layers == 0 ? 0 : static_cast<int>(d.nItemCt / layers);
    return {GroupMode::AllData, 0, complete - 1, 0, interval, groupSize};
}

std::string FormatGroupModeText(const StatisticsSelection& s) {
    char text[128];
    switch (s.mode) {
        case GroupMode::AllData:
            return "All the data";
        case GroupMode::PartialData:
            std::snprintf(text, sizeof text, "Partial data(Beginning= %d   End= %d )",
                          s.nPartialBegin + 1, s.nPartialEnd + 1);
            return text;
        case GroupMode::RegularInterval:
            std::snprintf(text, sizeof text, "Regular interval data(Beginning= %d   Interval= %d)",
                          s.nRegularBegin + 1, s.nInterval);
            return text;
        case GroupMode::FixedGroupAverage:
            std::snprintf(text, sizeof text,
                          "Average value of each fixed data (Data number of one set= %d)",
                          s.nGroupSize);
            return text;
        case GroupMode::DailyAverage:
            return "Average value of daily measurement";
    }
    return {};
}

}  // namespace klv
