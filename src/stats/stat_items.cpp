#include "stats/stat_items.h"

#include "base/fixed_text.h"

namespace klv {

namespace {

template <std::size_t N>
void AddLayerItems(std::vector<StatItem>& items, const char* name,
                   const char (&slots)[kMaxLayers][N]) {
    items.push_back({name, GetFixedText(slots[0])});
    for (int k = 0; k < kMaxLayers; ++k)
        items.push_back({name + std::to_string(k + 1), GetFixedText(slots[k])});
}

}  // namespace

std::vector<StatItem> ListStatItems(const StatisticsTextBlock& b) {
    std::vector<StatItem> items = {{"DATACT", GetFixedText(b.szDataCt)},
                                   {"BASE", GetFixedText(b.szBase)},
                                   {"UNIT", GetFixedText(b.szUnit)}};
    AddLayerItems(items, "COAT", b.szCoat);
    AddLayerItems(items, "TOTAL", b.szTotal);
    AddLayerItems(items, "MAX", b.szMaximum);
    AddLayerItems(items, "MIN", b.szMinimum);
    AddLayerItems(items, "AVERAGE", b.szAverage);
    AddLayerItems(items, "RANGE", b.szRange);
    AddLayerItems(items, "STDEV", b.szStdDev);
    AddLayerItems(items, "L3SIGMA", b.sz3SigmaLow);
    AddLayerItems(items, "H3SIGMA", b.sz3SigmaHigh);
    AddLayerItems(items, "HLIMIT", b.szUpperLimit);
    AddLayerItems(items, "LLIMIT", b.szLowerLimit);
    return items;
}

}  // namespace klv
