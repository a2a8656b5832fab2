#include "results/thickness.h"

#include "reference/resolution_table.h"
#include "reference/unit_conversion.h"

namespace klv {

float ThicknessFromCount(const MeasFileData& d, int k, std::int32_t count, std::int32_t carry) {
    const ResolutionRow* row =
        k >= 0 && k < kMaxLayers ? FindResolution(d.bUnit, d.coat[k].bRange) : nullptr;
    const float scale = row != nullptr ? static_cast<float>(row->scale) : 1.0f;
    // The sum in 64 bits: two counts near the int32 limit must not overflow.
    const auto counts = static_cast<float>(std::int64_t{count} + carry);
    return counts / scale;
}

float ApplyWtCorrection(const MeasFileData& d, float valueInUnit) {
    if ((d.bWtFlags & kWtCoefValid) == 0)
        return valueInUnit;
    return valueInUnit * d.fWtCoef;
}

float StoredLayerValue(const MeasFileData& d, float valueInUnit) {
    return FromUnit(valueInUnit, d.bUnit);
}

}  // namespace klv
