#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// Density of a coating in g/cm³: the alloy coatings (BRS, SO, Zn-Sn, NiP) mix the densities
// of their two elements by weight with the content p in %, every other coating has its own.
float GetDensity(int coating, int content);

struct LayerWeight {
    float weight;    // dissolved weight, mg
    float adhesion;  // adhesion amount, g/m²
};

// Dissolved weight under the condition's gasket and adhesion amount of t µm of a coating.
LayerWeight GetWeight(const MeasFileData& d, int coating, float micrometres);

struct LayerTotal {
    float total;  // µm, or in the unit on request
    float weight;
    float adhesion;
};

// Thickness of layer k with the share of an adjacent alloy layer: a tin-type layer over an
// alloy layer adds the alloy's tin share, a copper layer under one its copper share; those
// totals are weighed as tin and copper. `records` holds the measurement's layers.
LayerTotal GetLayerTotal(const MeasFileData& d, std::span<const MsrLogRecord> records, int k,
                         bool inUnit);

// What the thickness rules read of a condition, looked up once for many measurements.
struct LayerShape {
    int layers;  // GetCoatCount
    bool alloy[kMaxLayers];
    float fAlloyCoefSn;
    float fAlloyCoefCu;
};
LayerShape GetLayerShape(const MeasFileData& d);

// The share an adjacent alloy layer adds to layer k: tin to the layer over it, copper to the one
// under it. `layers` is the number of records that belong to layers.
struct AlloyShare {
    bool present;
    bool tin;     // else copper
    float share;  // µm
};
inline AlloyShare GetAlloyShare(const LayerShape& shape, std::span<const MsrLogRecord> records,
                                std::size_t layers, int k) {
    if (static_cast<std::size_t>(k + 1) < layers && shape.alloy[k + 1])
        return {true, true, records[k + 1].lMeasValue * shape.fAlloyCoefSn};
    if (k >= 1 && static_cast<std::size_t>(k - 1) < layers && shape.alloy[k - 1])
        return {true, false, records[k - 1].lMeasValue * shape.fAlloyCoefCu};
    return {false, false, 0.0f};
}

// The total of GetLayerTotal in µm without weighing it. Inline: statistics take it for every
// layer of every stored measurement.
inline float GetLayerThickness(const LayerShape& shape, std::span<const MsrLogRecord> records,
                               int k) {
    const std::size_t layers = std::min(records.size(), static_cast<std::size_t>(shape.layers));
    if (k < 0 || static_cast<std::size_t>(k) >= layers)
        return 0.0f;
    const AlloyShare a = GetAlloyShare(shape, records, layers, k);
    return a.present ? records[k].lMeasValue + a.share : records[k].lMeasValue;
}

}  // namespace klv
