#pragma once

#include <array>
#include <string>

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

ConditionDisplayTexts MakeConditionDisplayTexts(const MeasFileData& d, int index,
                                                const CalibrationStore& cal);

}  // namespace klv
