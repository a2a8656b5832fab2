#include "stats/statistics_texts.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "stats/stat_columns.h"

namespace klv {

namespace {

constexpr int kWidth = 6;

enum Row { kTotal, kMaximum, kMinimum, kAverage, kRange, kStdDev, k3SigmaLow, k3SigmaHigh };

// The block's texts start at their first character above the blank.
std::string_view DropLeading(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string SpreadText(double value) {
    return FitNumberText(FormatFixed(static_cast<float>(value), kPrintfDecimals), kWidth);
}

void FillLayer(const LayerStatistics& s, const MeasFileData& d, int k, const StatColumn& column,
               StatisticsTexts& t) {
    const bool wt = d.bGasket == kGasketWT;
    const double values[] = {s.dTotal, s.dMaximum, s.dMinimum, s.dAverage, s.dRange};
    for (int row = kTotal; row <= kRange; ++row)
        t.cells[row][k] =
            FormatLayerValue(static_cast<float>(values[row]), d, column.formatLayer, wt, false);
    if (s.fStdDevActive) {
        t.cells[kStdDev][k] = SpreadText(s.dStdDev);
        t.cells[k3SigmaLow][k] = SpreadText(s.d3SigmaLow);
        t.cells[k3SigmaHigh][k] = SpreadText(s.d3SigmaHigh);
    }
    StatisticsTextBlock& b = t.block;
    SetFixedText(b.szTotal[k], DropLeading(t.cells[kTotal][k]));
    SetFixedText(b.szMaximum[k], DropLeading(t.cells[kMaximum][k]));
    SetFixedText(b.szMinimum[k], DropLeading(t.cells[kMinimum][k]));
    SetFixedText(b.szAverage[k], DropLeading(t.cells[kAverage][k]));
    SetFixedText(b.szRange[k], DropLeading(t.cells[kRange][k]));
    SetFixedText(b.szStdDev[k], t.cells[kStdDev][k]);
    SetFixedText(b.sz3SigmaLow[k], t.cells[k3SigmaLow][k]);
    SetFixedText(b.sz3SigmaHigh[k], t.cells[k3SigmaHigh][k]);
    if ((d.bStatFlags & kStatLimitCheckOn) != 0 && column.limitLayer >= 0) {
        const LayerLimits& limits = d.limits[column.limitLayer];
        SetFixedText(b.szUpperLimit[k], DropLeading(FormatFixed(ToUnit(limits.fUpperLimit, d.bUnit),
                                                                kPrintfDecimals)));
        SetFixedText(b.szLowerLimit[k], DropLeading(FormatFixed(ToUnit(limits.fLowerLimit, d.bUnit),
                                                                kPrintfDecimals)));
    }
}

}  // namespace

StatisticsTexts BuildStatisticsTexts(const StatisticsResult& r, const MeasFileData& d,
                                     std::uint32_t dataCount) {
    StatisticsTexts t;
    std::memset(&t.block, 0, sizeof t.block);
    const std::string unit(GetUnitName(d.bUnit));
    t.rowLabels = {"Total[" + unit + "]",   "Maximum[" + unit + "]", "Minimum[" + unit + "]",
                   "Average[" + unit + "]", "R [" + unit + "]",      "Standard deviation",
                   "3a Lower limit",        "3a Upper limit"};
    SetFixedText(t.block.szBase, GetFixedText(d.baseName));
    SetFixedText(t.block.szUnit, unit);
    SetFixedText(t.block.szDataCt, std::to_string(dataCount));
    const std::vector<StatColumn> columns = GetStatColumns(d);
    for (std::size_t k = 0; k < columns.size() && k < kMaxLayers; ++k) {
        t.columnTitles[k] = columns[k].title;
        SetFixedText(t.block.szCoat[k], t.columnTitles[k]);
        FillLayer(r.layer[k], d, static_cast<int>(k), columns[k], t);
    }
    return t;
}

}  // namespace klv
