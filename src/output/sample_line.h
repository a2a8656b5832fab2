#pragma once

#include <string>

#include "output/meas_data_line.h"
#include "reference/meas_file_data.h"

namespace klv {

// The condition the transmission settings show their sample with: nickel over copper.
MeasFileData SampleSendCondition();

// The sample measurement's line on condition `d` (data number 123 of 2005/12/31, layer values
// 12.34, 1.0, 0.56, 2.3 and 3.4 in the unit), as a dialog shows it: one leading blank and
// every TAB shown as a blank.
std::string FormatSampleLine(const MeasFileData& d, const LineFormat& format);

}  // namespace klv
