#include "measure/poll_result.h"

#include "base/fixed_text.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

void FormatPollTexts(const MeasFileData& d, int k, float valueInUnit, int displayMode, bool invalid,
                     PollResult& result) {
    SetFixedText(result.szTitle, GetCoatNamePadded(d, k));
    std::string value = FormatLayerValue(valueInUnit, d, k, d.bGasket == kGasketWT, invalid);
    value += ' ';
    value += displayMode == 2 || displayMode == 3 ? std::string_view("CNT") : GetUnitName(d.bUnit);
    SetFixedText(result.szValue, value);
}

void MakeInvalidResult(const MeasFileData& d, int k, int displayMode, PollResult& result) {
    result.fHasResult = 1;
    result.fInvalid = 1;
    result.fValue = 0.0f;
    FormatPollTexts(d, k, 0.0f, displayMode, true, result);
}

}  // namespace klv
