#include "stats/simple_stat_rows.h"

#include <algorithm>

#include "base/number_format.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "stats/spread.h"

namespace klv {

namespace {

constexpr int kSpreadWidth = 6;

std::string CellText(std::string text) {
    if (text.size() > kSimpleStatCellChars)
        text.resize(kSimpleStatCellChars);
    return text;
}

std::string SpreadText(const MeasFileData& d, const RunningSpread& s) {
    return FitNumberText(FormatFixed(static_cast<float>(s.StdDev(d)), -1), kSpreadWidth);
}

}  // namespace

SimpleStatRange GetSimpleStatRange(const MeasFileData& d, std::uint32_t& hide, int shown) {
    const std::uint32_t quantity = GetDataQuantity(d);
    hide = std::min(hide, quantity);
    const std::uint32_t latest = static_cast<std::uint32_t>(std::max(shown, 0));
    SimpleStatRange range;
    range.first = std::max(hide, quantity > latest ? quantity - latest : 0u);
    range.rows = quantity - range.first;
    return range;
}

SimpleStatTexts BuildSimpleStatTexts(const MeasFileData& d, std::uint32_t first,
                                     std::span<const MsrLogRecord> items) {
    SimpleStatTexts t;
    const auto layers = static_cast<std::size_t>(GetCoatCount(d));
    if (layers == 0)
        return t;
    const bool wt = d.bGasket == kGasketWT;
    std::array<RunningSpread, kMaxLayers> sums{};
    const std::size_t rows = items.size() / layers;
    t.rows.resize(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::uint64_t data = first + r;
        SimpleStatRow& row = t.rows[r];
        row.number = std::to_string(data + 1);
        for (std::size_t k = 0; k < layers; ++k) {
            if (data * layers + k >= d.nItemCt)
                break;
            const MsrLogRecord& item = items[r * layers + k];
            const bool noValue = (item.bFlags & kRecordNoValue) != 0;
            const float v = ToUnit(item.lMeasValue, d.bUnit);
            if (!noValue)
                sums[k].Add(v);
            row.cells[k] = CellText(FormatLayerValue(v, d, static_cast<int>(k), wt, noValue));
        }
    }
    for (std::size_t k = 0; k < layers; ++k) {
        const RunningSpread& s = sums[k];
        if (s.count >= 1)
            t.average[k] = CellText(
                FormatLayerValue(static_cast<float>(s.mean), d, static_cast<int>(k), wt, false));
        if (s.count >= 2)
            t.stdDev[k] = CellText(SpreadText(d, s));
    }
    return t;
}

}  // namespace klv
