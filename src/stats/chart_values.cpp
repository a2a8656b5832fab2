#include "stats/chart_values.h"

#include <algorithm>
#include <cmath>

#include "reference/unit_conversion.h"
#include "results/synthetic_result.h"
#include "stats/stat_columns.h"

namespace klv {

ChartStatistics ToChartUnits(const LayerStatistics& s, const MeasFileData& d) {
    const double factor = GetUnitDivisor(d.bUnit);
    return {s.dMaximum * factor, s.dMinimum * factor, s.dAverage * factor, s.dStdDev * factor};
}

std::vector<std::optional<double>> LayerChartValuesByData(std::span<const MsrLogRecord> formed,
                                                          std::uint32_t dataCount,
                                                          const MeasFileData& d, int k) {
    std::vector<std::optional<double>> values;
    const auto layers = static_cast<std::size_t>(GetCoatCount(d));
    if (layers == 0 || k < 0 || k >= GetStatColumnCount(d))
        return values;
    const int itemIndex = GetStatColumn(d, k).item;
    const std::size_t data = std::min<std::size_t>(dataCount, formed.size() / layers);
    values.reserve(data);
    // The same items the statistics count, so that the charts and the lists agree.
    const SyntheticValueMaker maker(d, false);
    SyntheticValues made;
    for (std::size_t i = 0; i < data; ++i) {
        maker.Make(formed.subspan(i * layers, layers), made);
        const SyntheticValue& item = made.item[itemIndex];
        const bool counted = item.bUsed && !item.bNoValue;
        values.push_back(counted ? std::optional<double>(FromUnit(item.lMeasValue, d.bUnit))
                                 : std::nullopt);
    }
    return values;
}

std::vector<double> LayerChartValues(std::span<const MsrLogRecord> formed, std::uint32_t dataCount,
                                     const MeasFileData& d, int k) {
    std::vector<double> values;
    for (const std::optional<double>& v : LayerChartValuesByData(formed, dataCount, d, k))
        if (v)
            values.push_back(*v);
    return values;
}

double ChartSpan(double lower, double upper) {
    const double span = upper - lower;
    if (std::fabs(span) >= 0.00001)
        return span;
    return span < 0 ? -0.00001 : 0.00001;
}

}  // namespace klv
