#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// Thickness in the unit of layer k from the instrument's count: (count + carry) / S of the
// layer's resolution row. A layer without a row reads the count unscaled.
float ThicknessFromCount(const MeasFileData& d, int k, std::int32_t count, std::int32_t carry = 0);

// The layer value after the WT correction: multiplied by the stored coefficient when bit 0 of
// the WT flags marks it valid, else unchanged.
float ApplyWtCorrection(const MeasFileData& d, float valueInUnit);

// The value written to the data log: the (corrected) value in the unit, in µm.
float StoredLayerValue(const MeasFileData& d, float valueInUnit);

}  // namespace klv
