#pragma once

#include "output/dde_server.h"
#include "stats/statistics_text_block.h"

namespace klv {

// The statistics texts as the STAT items, when given, and a notice of every STAT item.
void PublishStatistics(CDdeServer& dde, const StatisticsTextBlock* block);

}  // namespace klv
