#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// A condition file written by another program may hold control characters in its texts; they
// are read as blanks, so no display, file or line is split by one. The file keeps them until the
// condition is saved again.
void BlankControlCharacters(MeasFileData& d);

}  // namespace klv
