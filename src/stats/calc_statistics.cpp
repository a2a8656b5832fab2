#include "stats/calc_statistics.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "results/synthetic_result.h"
#include "stats/form_groups.h"
#include "stats/spread.h"
#include "stats/stat_columns.h"

namespace klv {

namespace {

void Count(LayerStatistics& s, RunningSpread& spread, float v) {
    if (s.nCount == 0) {
        s.dMaximum = v;
        s.dMinimum = v;
    } else {
        s.dMaximum = std::max<double>(s.dMaximum, v);
        s.dMinimum = std::min<double>(s.dMinimum, v);
    }
    ++s.nCount;
    s.dTotal += v;
    // Kept as the record has always held it; the spread does not come from it.
    const float square = v * v;
    s.dSquareTotal += square;
    spread.Add(v);
}

void Conclude(LayerStatistics& s, const RunningSpread& spread, const MeasFileData& d) {
    s.dRange = s.dMaximum - s.dMinimum;
    if (s.nCount >= 1)
        s.dAverage = s.dTotal / s.nCount;
    if (s.nCount < 2)
        return;
    s.dStdDev = spread.StdDev(d);
    s.d3SigmaLow = s.dAverage - 3.0 * s.dStdDev;
    s.d3SigmaHigh = 3.0 * s.dStdDev + s.dAverage;
    s.fStdDevActive = 1;
}

}  // namespace

StatisticsResult CalcStatistics(std::span<const MsrLogRecord> formed, std::uint32_t dataCount,
                                const MeasFileData& d) {
    StatisticsResult r;
    std::memset(&r, 0, sizeof r);
    const auto layers = static_cast<std::size_t>(GetCoatCount(d));
    if (layers == 0)
        return r;
    const std::size_t data = std::min<std::size_t>(dataCount, formed.size() / layers);
    r.nDataCt = static_cast<std::uint32_t>(data);
    const SyntheticValueMaker maker(d, false);
    const std::vector<StatColumn> columns = GetStatColumns(d);
    SyntheticValues values;
    std::array<RunningSpread, kMaxLayers> spreads{};
    for (std::size_t i = 0; i < data; ++i) {
        maker.Make(formed.subspan(i * layers, layers), values);
        for (std::size_t c = 0; c < columns.size() && c < kMaxLayers; ++c) {
            const SyntheticValue& item = values.item[columns[c].item];
            if (item.bUsed && !item.bNoValue)
                Count(r.layer[c], spreads[c], item.lMeasValue);
        }
    }
    for (int k = 0; k < kMaxLayers; ++k)
        Conclude(r.layer[k], spreads[k], d);
    return r;
}

StatisticsResult CalcStatistics(const FormedData& formed, const MeasFileData& d) {
    return CalcStatistics(formed.items, formed.nDataCt, d);
}

}  // namespace klv
