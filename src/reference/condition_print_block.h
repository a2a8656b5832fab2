#pragma once

#include "base/report_page.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

// "Measure Condition" with the layer table, the base/unit/gasket line and the boxed extra
// items, from (x, y); `right` is where the extra items wrap. Returns the y below it.
int ConditionPrintBlock(ReportPage& page, int x, int y, int right, const MeasFileData& d,
                        const CalibrationStore* calibration);

}  // namespace klv
