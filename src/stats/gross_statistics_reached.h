#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// Whether the gross statistics are due after a stored data: statistics on with a total, and as
// many data stored, an incomplete last data included. Not IsTotalReached, which counts complete
// data only and so lets the measurement that reaches the total finish before the channel is
// full; the two differ exactly while that last measurement is being taken.
// A negative total (a damaged file) counts as no total.
bool GrossStatisticsReached(const MeasFileData& d);

}  // namespace klv
