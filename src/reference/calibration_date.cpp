#include "reference/calibration_date.h"

#include "reference/layer_value_format.h"

namespace klv {

std::string FormatCalibrationDate(const MeasFileData& d, const CalibrationStore& store) {
    if (d.bGasket >= kGasketRecordCount)
        return {};
    const GasketCalibrationRecord& r = store.gasket[d.bGasket];
    if ((r.bCalFlags & kGasketHasCalibration) == 0)
        return {};
    return FormatPackedDate(r.wCalDate);
}

}  // namespace klv
