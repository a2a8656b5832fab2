#include "reference/unit_conversion.h"

#include <cmath>
#include <limits>

#include "reference/meas_file_data.h"
#include "reference/resolution_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

const ResolutionRow* LayerResolution(const MeasFileData& d, int k) {
    if (k < 0 || k >= kMaxLayers)
        return nullptr;
    return FindResolution(d.bUnit, d.coat[k].bRange);
}

}  // namespace

float GetUnitDivisor(int unit) {
    const float f = GetUnitFactor(unit);
    return f > 0.0f ? f : 1.0f;
}

float ToUnit(float micrometres, int unit) {
    return micrometres / GetUnitDivisor(unit);
}

float FromUnit(float valueInUnit, int unit) {
    return valueInUnit * GetUnitDivisor(unit);
}

std::int32_t CountForThickness(float micrometres, int unit, int range) {
    const ResolutionRow* row = FindResolution(unit, range);
    if (row == nullptr)
        return 0;
    const float counts = micrometres / GetUnitDivisor(unit) * static_cast<float>(row->scale) + 0.5f;
    // Out of the int32 range (or NaN) the conversion would be undefined.
    constexpr float kLimit = 2147483648.0f;
    if (std::isnan(counts))
        return 0;
    if (counts >= kLimit)
        return std::numeric_limits<std::int32_t>::max();
    if (counts < -kLimit)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(counts);
}

float CutToResolution(float micrometres, const MeasFileData& d, int k) {
    const float inUnit = micrometres / GetUnitDivisor(d.bUnit);
    const ResolutionRow* row = LayerResolution(d, k);
    if (row == nullptr)
        return inUnit;
    const auto scale = static_cast<float>(row->scale);
    return std::trunc(inUnit * scale) / scale;
}

int GetLayerDecimals(const MeasFileData& d, int k) {
    const ResolutionRow* row = LayerResolution(d, k);
    return row == nullptr ? -1 : row->decimals;
}

}  // namespace klv
