#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "reference/meas_file_data.h"
#include "stats/statistics_result.h"
#include "stats/statistics_text_block.h"

namespace klv {

inline constexpr int kStatisticsListRows = 8;

// The texts of one calculation: the block for the STAT items and the general page's list,
// whose value cells keep the leading blanks the block drops.
struct StatisticsTexts {
    StatisticsTextBlock block;
    std::array<std::string, kMaxLayers> columnTitles;  // of GetStatColumns, "" beyond them
    std::array<std::string, kStatisticsListRows> rowLabels;
    std::array<std::array<std::string, kMaxLayers>, kStatisticsListRows> cells;
};

StatisticsTexts BuildStatisticsTexts(const StatisticsResult& r, const MeasFileData& d,
                                     std::uint32_t dataCount);

}  // namespace klv
