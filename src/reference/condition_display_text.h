#pragma once

#include <array>
#include <string>
#include <vector>

#include "reference/calibration_store.h"
#include "reference/condition_texts.h"
#include "reference/meas_file_data.h"

namespace klv {

// Every text of the "Measurement condition" display.
struct ConditionDisplayTexts {
    std::string title, customer, goods, tester, lot;
    std::string quantity;  // the same count as the channel list shows
    std::string firstDate, lastDate;
    std::array<LayerTexts, kMaxLayers> layers;  // unused layers stay empty
    SideTexts side;
    // The extra items as two aligned lines: labels, and below each its value.
    std::string extraLabels, extraValues;
};

// One extra item of a condition: alloy content and coefficients, the WT gasket's geometry.
struct ConditionExtraItem {
    std::string label, value;
};
// The extra items that apply, numbers in `width` characters.
std::vector<ConditionExtraItem> MakeConditionExtraItems(const MeasFileData& d, int width);

ConditionDisplayTexts MakeConditionDisplayTexts(const MeasFileData& d, int index,
                                                const CalibrationStore& cal);

}  // namespace klv
