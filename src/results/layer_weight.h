#pragma once

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

// The total of GetLayerTotal in µm without weighing it.
float GetLayerThickness(const MeasFileData& d, std::span<const MsrLogRecord> records, int k);

}  // namespace klv
