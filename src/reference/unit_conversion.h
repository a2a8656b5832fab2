#pragma once

#include <cstdint>

namespace klv {

struct MeasFileData;

// Conversions between stored micrometres and the condition's display unit, in single precision.
// An unknown unit code converts with factor 1, so a garbage code never divides by zero.

float ToUnit(float micrometres, int unit);
// What ToUnit divides by: the unit factor, or 1 for an unknown code.
float GetUnitDivisor(int unit);
float FromUnit(float valueInUnit, int unit);

// Instrument count for a thickness: round(x / F x S), half up. 0 when the pair has no
// resolution row; clamped to the int32 range.
std::int32_t CountForThickness(float micrometres, int unit, int range);

// The value in the unit of layer k's resolution, truncated toward zero to its last digit.
// Without a resolution row the value is converted but not cut.
float CutToResolution(float micrometres, const MeasFileData& d, int k);

// Decimals of layer k's resolution row, or -1 when the pair has none.
int GetLayerDecimals(const MeasFileData& d, int k);

}  // namespace klv
