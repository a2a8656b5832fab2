#include "results/thickness.h"

#include "reference/resolution_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

float ThicknessFromCount(const MeasFileData& d, int k, std::int32_t count, std::int32_t carry) {
    const ResolutionRow* row =
        k >= 0 && k < kMaxLayers ? FindResolution(d.bUnit, d.coat[k].bRange) : nullptr;
    const float scale = row != nullptr ? static_cast<float>(row->scale) : 1.0f;
    // The sum in 64 bits: two counts near the int32 limit must not overflow.
    const auto counts = static_cast<float>(std::int64_t{count} + carry);
    return counts / scale;
}

bool ApplyWtCorrection(const MeasFileData& d, float& valueInUnit) {
    if (d.bGasket != kGasketWT || (d.bWtFlags & kWtCoefValid) == 0)
        return false;
    valueInUnit *= d.fWtCoef;
    return true;
}

}  // namespace klv
