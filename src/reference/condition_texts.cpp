#include "reference/condition_texts.h"

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/calibration_date.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

std::string GetLayerUnitName(const MeasFileData& d, int k) {
    return GetDisplayMode(d, k) != 0 ? std::string("CNT") : std::string(GetUnitName(d.bUnit));
}

LayerTexts MakeLayerTexts(const MeasFileData& d, int k) {
    const LayerCondition& c = d.coat[k];
    return {GetCoatName(d, k),
            std::string(GetTestSolutionName(c.bSolution)),
            std::string(GetSensitivityName(c.bSensitivity)),
            std::string(GetRangeName(c.bRange)),
            std::to_string(c.bPump),
            FormatAutoStop(d, k) + " " + GetLayerUnitName(d, k)};
}

SideTexts MakeSideTexts(const MeasFileData& d, const CalibrationStore* calibration,
                        const CalibrationSchedule* schedule) {
    SideTexts t{GetFixedText(d.baseName),
                std::string(GetUnitName(d.bUnit)),
                std::string(GetGasketName(d.bGasket)),
                {},
                {}};
    if (calibration == nullptr)
        return t;
    t[3] = CalibrationDateText(d, *calibration, schedule);
    if (!t[3].empty())
        t[4] = FormatPercent(calibration->gasket[d.bGasket].fCalValue, false);
    return t;
}

}  // namespace klv
