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

namespace {

// The share an adjacent alloy layer adds to layer k, and the coating the total is weighed as.
struct AlloyShare {
    bool present;
    float share;  // µm
    int coating;
};

AlloyShare GetAlloyShare(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         std::size_t layers, int k) {
    if (IsAlloyRecordLayer(d, layers, k + 1))
        return {true, records[k + 1].lMeasValue * d.fAlloyCoefSn, kCoatTin};
    if (IsAlloyRecordLayer(d, layers, k - 1))
        return {true, records[k - 1].lMeasValue * d.fAlloyCoefCu, kCoatCopper};
    return {false, 0.0f, d.coat[k].bCode};
}

std::size_t RecordLayers(const MeasFileData& d, std::span<const MsrLogRecord> records) {
    return std::min(records.size(), static_cast<std::size_t>(GetCoatCount(d)));
}

}  // namespace

LayerTotal GetLayerTotal(const MeasFileData& d, std::span<const MsrLogRecord> records, int k,
                         bool inUnit) {
    const std::size_t layers = RecordLayers(d, records);
    if (k < 0 || static_cast<std::size_t>(k) >= layers)
        return {0.0f, 0.0f, 0.0f};
    const float t = records[k].lMeasValue;
    const AlloyShare a = GetAlloyShare(d, records, layers, k);
    const float total = a.present ? t + a.share : t;
    const LayerWeight w = a.present
                              ? Sum(GetWeight(d, a.coating, t), GetWeight(d, a.coating, a.share))
                              : GetWeight(d, a.coating, t);
    return {inUnit ? ToUnit(total, d.bUnit) : total, w.weight, w.adhesion};
}

float GetLayerThickness(const MeasFileData& d, std::span<const MsrLogRecord> records, int k) {
    const std::size_t layers = RecordLayers(d, records);
    if (k < 0 || static_cast<std::size_t>(k) >= layers)
        return 0.0f;
    const AlloyShare a = GetAlloyShare(d, records, layers, k);
    return a.present ? records[k].lMeasValue + a.share : records[k].lMeasValue;
}

}  // namespace klv
