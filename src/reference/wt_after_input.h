#pragma once

#include <string_view>

#include "reference/meas_file_data.h"

namespace klv {

// What "Input after WT" asks for in the condition's WT mode.
struct WtAfterInputPrompt {
    std::string_view label;
    std::string_view unit;  // may hold a glyph escape
    float value;            // the value stored now
};

// Modes 1 and 2 ask for the length, 3 for the area, any other for the coefficient itself.
WtAfterInputPrompt GetWtAfterInputPrompt(const MeasFileData& d);

// Stores the typed value where the prompt found it and, for modes 1-3, computes the coefficient
// from the geometry. The valid bit stays as it was, so the next measurement asks again.
// Answers the coefficient now in the condition.
float StoreWtAfterInput(MeasFileData& d, float value);

}  // namespace klv
