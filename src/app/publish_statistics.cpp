#include "app/publish_statistics.h"

#include "stats/stat_items.h"

namespace klv {

void PublishStatistics(CDdeServer& dde, const StatisticsTextBlock* block) {
    if (block != nullptr)
        for (const StatItem& item : ListStatItems(*block))
            dde.SetStatisticsText(item.name, item.text);
    dde.NotifyStatistics();
}

}  // namespace klv
