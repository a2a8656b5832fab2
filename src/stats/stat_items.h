#pragma once

#include <string>
#include <vector>

#include "stats/statistics_text_block.h"

namespace klv {

struct StatItem {
    std::string name;
    std::string text;
};

// The items of the STAT topic in the topic's order: DATACT, BASE, UNIT, then COAT, TOTAL, MAX,
// MIN, AVERAGE, RANGE, STDEV, L3SIGMA, H3SIGMA, HLIMIT and LLIMIT, each followed by its items 1
// to 5; a name without a digit carries the text of its item 1.
std::vector<StatItem> ListStatItems(const StatisticsTextBlock& b);

}  // namespace klv
