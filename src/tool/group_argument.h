#pragma once

#include <string>

#include "stats/statistics_selection.h"

namespace klv::tool {

// --group all | partial:B-E | interval:B,I | fixed:S | daily, with 1-based data numbers; false
// for anything else.
bool ParseGroupArgument(const std::string& argument, StatisticsSelection& s);

}  // namespace klv::tool
