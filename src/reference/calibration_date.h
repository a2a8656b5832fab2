#pragma once

#include <string>

#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

// The calibration date of the condition's gasket: "%04d/%02d/%02d" when its gasket record
// holds a calibration, else "".
std::string FormatCalibrationDate(const MeasFileData& d, const CalibrationStore& store);

}  // namespace klv
