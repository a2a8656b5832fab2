#pragma once

#include <string>
#include <string_view>

#include "reference/check_messages.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr std::string_view kMsgMinusValue = "Value of minus can't be specified.";

// "Range of values are from  %s  to  %s." with the auto stop range 0.1-40 µm of layer k, in
// the unit and cut to its resolution.
std::string AutoStopRangeMessage(const MeasFileData& d, int k);

}  // namespace klv
