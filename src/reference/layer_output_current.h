#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// Output current of layer k in mA. A manual layer answers its stored current. An automatic
// layer takes gasket area ratio x current factor of its combination row x range rate factor;
// with the alloy correction, BRS, SO, Zn-Sn and NiP layers are divided by the content's
// polynomial. 0 when the coating has no combination row.
float GetOutputCurrent(const MeasFileData& d, int k, bool alloyCorrection);

}  // namespace klv
