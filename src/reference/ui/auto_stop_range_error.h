#pragma once

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QWidget;

namespace klv {

// The auto stop range 0.1-40 µm of layer k in the condition's unit.
void ShowAutoStopRangeError(Operator& op, QWidget* control, const MeasFileData& d, int k);

}  // namespace klv
