#include "app/publish_statistics.h"

#include <cstring>
#include <string>

namespace klv {

namespace {

std::string SlotText(const char* slot, std::size_t size) {
    return std::string(slot, strnlen(slot, size));
}

}  // namespace

void PublishStatistics(CDdeServer& dde, const StatisticsTextBlock* block) {
    if (block != nullptr) {
        const StatisticsTextBlock& b = *block;
        dde.SetStatisticsText("BASE", SlotText(b.szBase, sizeof b.szBase));
        dde.SetStatisticsText("UNIT", SlotText(b.szUnit, sizeof b.szUnit));
        dde.SetStatisticsText("DATACT", SlotText(b.szDataCt, sizeof b.szDataCt));
        auto perLayer = [&dde](const char* item, const auto& rows) {
            for (int k = 0; k < kMaxLayers; ++k)
                dde.SetStatisticsText(item + std::to_string(k + 1),
                                      SlotText(rows[k], sizeof rows[k]));
        };
        perLayer("COAT", b.szCoat);
        perLayer("TOTAL", b.szTotal);
        perLayer("MAX", b.szMaximum);
        perLayer("MIN", b.szMinimum);
        perLayer("AVERAGE", b.szAverage);
        perLayer("RANGE", b.szRange);
        perLayer("STDEV", b.szStdDev);
        perLayer("L3SIGMA", b.sz3SigmaLow);
        perLayer("H3SIGMA", b.sz3SigmaHigh);
        perLayer("HLIMIT", b.szUpperLimit);
        perLayer("LLIMIT", b.szLowerLimit);
    }
    dde.NotifyStatistics();
}

}  // namespace klv
