#pragma once

#include <string>
#include <vector>

#include "results/synthetic_result.h"

namespace klv {

inline constexpr int kResultColumnCount = 4;

// One line of the main window's result list: name, value with unit and limit mark, dissolved
// weight and adhesion amount, and whether the name is shown in red.
struct ResultRow {
    std::string columns[kResultColumnCount];
    bool redName = false;
};

// The rows of every used item of a measurement, in item order (at most six).
std::vector<ResultRow> MakeResultRows(const SyntheticResult& result);

}  // namespace klv
