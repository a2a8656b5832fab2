#include "reference/wt_after_input.h"

#include "reference/wt_coefficient.h"

namespace klv {

namespace {

bool AsksLength(const MeasFileData& d) {
    return d.bWtMode == kWtModeRoundRod || d.bWtMode == kWtModeSquareRod;
}

}  // namespace

WtAfterInputPrompt GetWtAfterInputPrompt(const MeasFileData& d) {
    if (AsksLength(d))
        return {"Sample's length", "mm", d.fWtLength};
    if (d.bWtMode == kWtModeSmallParts)
        return {"Sample's area (size)", "mm%0", d.fWtArea};
    return {"WT Coefficient", "", d.fWtCoef};
}

float StoreWtAfterInput(MeasFileData& d, float value) {
    if (AsksLength(d))
        d.fWtLength = value;
    else if (d.bWtMode == kWtModeSmallParts)
        d.fWtArea = value;
    else
        d.fWtCoef = value;
    if (AsksLength(d) || d.bWtMode == kWtModeSmallParts)
        d.fWtCoef = GetWtCoefficient(d);
    return d.fWtCoef;
}

}  // namespace klv
