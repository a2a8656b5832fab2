#pragma once

#include <cstdint>
#include <string>

#include "reference/meas_file_data.h"
#include "stats/statistics_selection.h"

namespace klv {

// The statics of the statistics window's general page.
struct GeneralPageTexts {
    std::string file;        // "%d : %s" of the channel number and the condition name
    std::string dates;       // first "--" last stored date; "" without data
    std::string totalData;   // complete data stored
    std::string groupMode;   // FormatGroupModeText
    std::string dataNumber;  // statistics data
};

GeneralPageTexts BuildGeneralPageTexts(const MeasFileData& d, int index,
                                       const StatisticsSelection& s, std::uint32_t dataCount);

}  // namespace klv
