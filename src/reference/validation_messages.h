#pragma once

#include <string>

#include "base/check_messages.h"
#include "reference/meas_file_data.h"

namespace klv {

// "Range of values are from  %s  to  %s." with the auto stop range 0.1-40 µm of layer k, in
// the unit and cut to its resolution.
std::string AutoStopRangeMessage(const MeasFileData& d, int k);

}  // namespace klv
