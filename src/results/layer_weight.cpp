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

LayerShape GetLayerShape(const MeasFileData& d) {
    LayerShape shape{GetCoatCount(d), {}, d.fAlloyCoefSn, d.fAlloyCoefCu};
    for (int k = 0; k < shape.layers; ++k)
        shape.alloy[k] = IsAlloyLayer(d.coat[k]);
    return shape;
}

LayerTotal GetLayerTotal(const MeasFileData& d, std::span<const MsrLogRecord> records, int k,
                         bool inUnit) {
    const LayerShape shape = GetLayerShape(d);
    const std::size_t layers = std::min(records.size(), static_cast<std::size_t>(shape.layers));
    if (k < 0 || static_cast<std::size_t>(k) >= layers)
        return {0.0f, 0.0f, 0.0f};
    const float t = records[k].lMeasValue;
    const AlloyShare a = GetAlloyShare(shape, records, layers, k);
    const float total = a.present ? t + a.share : t;
    const int coating = a.tin ? kCoatTin : kCoatCopper;
    const LayerWeight w = a.present ? Sum(GetWeight(d, coating, t), GetWeight(d, coating, a.share))
                                    : GetWeight(d, d.coat[k].bCode, t);
    return {inUnit ? ToUnit(total, d.bUnit) : total, w.weight, w.adhesion};
}

}  // namespace klv
