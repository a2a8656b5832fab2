#pragma once

#include <ostream>

#include "reference/meas_file_data.h"

namespace klv::tool {

// Every field of a condition as "name = value" lines in record order: texts decoded, codes
// followed by their table names in parentheses, flag bytes in hexadecimal, dates unpacked.
void WriteConditionFields(std::ostream& out, const MeasFileData& d);

}  // namespace klv::tool
