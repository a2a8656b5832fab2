#include "measure/count_limits.h"

#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

std::uint32_t CountOf(float micrometres, const MeasFileData& d, int k) {
    const std::int32_t count = CountForThickness(micrometres, d.bUnit, d.coat[k].bRange);
    return count > 0 ? static_cast<std::uint32_t>(count) : 0u;
}

}  // namespace

CountLimits ComputeCountLimits(const MeasFileData& d, int k) {
    CountLimits limits;
    if (k < 0 || k >= kMaxLayers)
        return limits;
    if (d.coat[k].bLayerFlags & kLayerAutoStopOn)
        limits.autoStop = CountOf(d.coat[k].fAutoStop, d, k);
    if (d.bGasket == kGasketWT) {
        limits.maximum = kWtMaximumCount;
    } else {
        limits.saturation = CountOf(kSaturationMicrometres, d, k);
        limits.maximum = CountOf(kMaximumMicrometres, d, k);
    }
    return limits;
}

}  // namespace klv
