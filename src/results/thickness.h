#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// Thickness in the unit of layer k from the instrument's count: (count + carry) / S of the
// layer's resolution row. A layer without a row reads the count unscaled.
float ThicknessFromCount(const MeasFileData& d, int k, std::int32_t count, std::int32_t carry = 0);

// The WT correction of a layer value in the unit, made as the layer is measured: with the WT
// gasket and a coefficient given before the measurement (bit 0 of the WT flags) the value is
// multiplied by it and true returned; otherwise it stays as it is.
bool ApplyWtCorrection(const MeasFileData& d, float& valueInUnit);

}  // namespace klv
