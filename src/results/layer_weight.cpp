#include "results/layer_weight.h"

#include <algorithm>

#include "reference/alloy_content_table.h"
#include "reference/coating_table.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

LayerWeight Sum(const LayerWeight& a, const LayerWeight& b) {
    return {a.weight + b.weight, a.adhesion + b.adhesion};
}

bool IsAlloyRecordLayer(const MeasFileData& d, std::size_t layers, int k) {
    return k >= 0 && static_cast<std::size_t>(k) < layers && IsAlloyLayer(d.coat[k]);
}

}  // namespace

float GetDensity(int coating, int content) {
    const AlloyContentRow* row = FindAlloyContentForCoating(coating);
    if (row == nullptr)
        return GetCoatingDensity(coating);
    const auto p = static_cast<float>(content);
    return 100.0f / ((100.0f - p) / row->baseDensity + p / row->elementDensity);
}

LayerWeight GetWeight(const MeasFileData& d, int coating, float micrometres) {
    const float density = GetDensity(coating, d.bContent);
    const float area = GetGasketArea(d.bGasket);
    return {area * micrometres * density / 1000.0f, micrometres * density};
}

LayerTotal GetLayerTotal(const MeasFileData& d, std::span<const MsrLogRecord> records, int k,
                         bool inUnit) {
    const std::size_t layers = std::min(records.size(), static_cast<std::size_t>(GetCoatCount(d)));
    if (k < 0 || static_cast<std::size_t>(k) >= layers)
        return {0.0f, 0.0f, 0.0f};
    const float t = records[k].lMeasValue;
    float total = t;
    LayerWeight w{};
    if (IsAlloyRecordLayer(d, layers, k + 1)) {
        const float share = records[k + 1].lMeasValue * d.fAlloyCoefSn;
        total = t + share;
        w = Sum(GetWeight(d, kCoatTin, t), GetWeight(d, kCoatTin, share));
    } else if (IsAlloyRecordLayer(d, layers, k - 1)) {
        const float share = records[k - 1].lMeasValue * d.fAlloyCoefCu;
        total = t + share;
        w = Sum(GetWeight(d, kCoatCopper, t), GetWeight(d, kCoatCopper, share));
    } else {
        w = GetWeight(d, d.coat[k].bCode, t);
    }
    return {inUnit ? ToUnit(total, d.bUnit) : total, w.weight, w.adhesion};
}

}  // namespace klv
