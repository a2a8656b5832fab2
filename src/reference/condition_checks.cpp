#include "reference/condition_checks.h"

#include <cmath>
#include <cstdio>

#include "base/check_messages.h"
#include "base/control_characters.h"
#include "base/fixed_text.h"
#include "reference/alloy_content_table.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/resolution_table.h"
#include "reference/solution_combination_table.h"
#include "reference/substance_table.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "reference/wt_coefficient.h"

namespace klv {

namespace {

constexpr float kAlloyCoefMin = 0.01f;
constexpr float kAlloyCoefMax = 0.9f;
constexpr int kBlankingMax = 40;
constexpr float kAutoStopMinUm = 0.1f;
constexpr float kAutoStopMaxUm = 40.0f;
constexpr int kCurrentMaxMa = 220;
constexpr int kMicroPerMilli = 1000;
constexpr std::string_view kMsgRangeNotForUnit = "This range can't be used with specified unit";
constexpr std::string_view kMsgNotApplicableCombination =
    "\nis not applicable for a combination of test solutions selection table.";

ConditionCheck Fail(ConditionField field, int layer, std::string_view message,
                    bool openList = false) {
    return ConditionCheck{field, layer, std::string(message), openList};
}

// False for NaN as well.
bool Within(float v, float low, float high) {
    return v >= low && v <= high;
}

// Steps of the last displayed digit: typed values round to the nearest step, limits truncate.
long long Steps(float valueInUnit, std::int32_t scale, bool truncate) {
    const float scaled = valueInUnit * static_cast<float>(scale);
    return truncate ? static_cast<long long>(std::trunc(scaled)) : std::llround(scaled);
}

std::string FormatSteps(long long steps, const ResolutionRow& row) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", row.decimals,
                  static_cast<double>(static_cast<float>(steps) / static_cast<float>(row.scale)));
    return text;
}

ConditionCheck CheckWtValue(ConditionField field, float value) {
    if (!std::isfinite(value))
        return Fail(field, -1, kMsgNumericError);
    if (value <= 0.0f)
        return Fail(field, -1, kMsgNotPositive);
    return {};
}

std::string NameBelow(const MeasFileData& d, int k) {
    if (k + 1 < kMaxLayers && d.coat[k + 1].bCode != 0)
        return GetCoatName(d, k + 1);
    std::string base = GetFixedText(d.baseName);
    if (base.empty())
        base = std::string(GetSubstanceShortName(d.bBaseCode));
    return base;
}

}  // namespace

ConditionCheck CheckTexts(const MeasFileData& d) {
    ConditionCheck r;
    const int used = GetCoatCount(d);
    ForEachConditionText(d, [&](ConditionField field, int layer, const auto& text) {
        if (r.ok() && layer < used && HasControlCharacter(GetFixedText(text)))
            r = Fail(field, layer, kMsgControlCharacters);
    });
    return r;
}

ConditionCheck CheckLayersAndBase(const MeasFileData& d) {
    if (d.coat[0].bCode == 0)
        return Fail(ConditionField::LayerCoating, 0, kMsgLackOfItem);
    if (d.bBaseCode == 0)
        return Fail(ConditionField::Base, -1, kMsgLackOfItem);
    // A code the table does not know (a damaged file) counts as no selection.
    if (GetUnitName(d.bUnit).empty())
        return Fail(ConditionField::Unit, -1, kMsgLackOfItem, true);
    if (GetGasketName(d.bGasket).empty())
        return Fail(ConditionField::Gasket, -1, kMsgLackOfItem, true);
    return {};
}

ConditionCheck CheckRanges(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (GetRangeName(d.coat[k].bRange).empty())
            return Fail(ConditionField::Range, k, kMsgLackOfItem, true);
    if (const std::optional<int> k = FindUnitRangeConflict(d))
        return Fail(ConditionField::Range, *k, kMsgRangeNotForUnit);
    return {};
}

ConditionCheck CheckSolutions(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        if (GetTestSolutionName(d.coat[k].bSolution).empty())
            return Fail(ConditionField::Solution, k, kMsgLackOfItem, true);
        if (GetSensitivityName(d.coat[k].bSensitivity).empty())
            return Fail(ConditionField::Sensitivity, k, kMsgLackOfItem, true);
    }
    return {};
}

ConditionCheck CheckAlloyValues(const MeasFileData& d) {
    const std::string coefRange = RangeMessage("0.01", "0.9");
    if (HasAlloySn(d) && !Within(d.fAlloyCoefSn, kAlloyCoefMin, kAlloyCoefMax))
        return Fail(ConditionField::AlloyCoefSn, -1, coefRange);
    if (HasAlloyCu(d) && !Within(d.fAlloyCoefCu, kAlloyCoefMin, kAlloyCoefMax))
        return Fail(ConditionField::AlloyCoefCu, -1, coefRange);
    const AlloyContentRow* row = FindAlloyContent(d);
    if (row != nullptr && d.bContent > row->maxContent)
        return Fail(ConditionField::AlloyContent, -1, RangeMessage(0, row->maxContent));
    return {};
}

ConditionCheck CheckBlanking(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (d.coat[k].bBlanking > kBlankingMax)
            return Fail(ConditionField::Blanking, k, RangeMessage(0, kBlankingMax));
    return {};
}

std::string CheckAutoStopValue(const MeasFileData& d, int k, float valueInUnit) {
    if (k < 0 || k >= kMaxLayers)
        return {};
    const ResolutionRow* row = FindResolution(d.bUnit, d.coat[k].bRange);
    if (row == nullptr)
        return std::string(kMsgRangeNotForUnit);
    const long long low = Steps(ToUnit(kAutoStopMinUm, d.bUnit), row->scale, true);
    const long long high = Steps(ToUnit(kAutoStopMaxUm, d.bUnit), row->scale, true);
    if (std::isfinite(valueInUnit)) {
        const long long value = Steps(valueInUnit, row->scale, false);
        if (value >= low && value <= high)
            return {};
    }
    return RangeMessage(FormatSteps(low, *row), FormatSteps(high, *row));
}

ConditionCheck CheckAutoStop(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        if ((d.coat[k].bLayerFlags & kLayerAutoStopOn) == 0)
            continue;
        std::string message = CheckAutoStopValue(d, k, ToUnit(d.coat[k].fAutoStop, d.bUnit));
        if (!message.empty())
            return Fail(ConditionField::AutoStop, k, message);
    }
    return {};
}

std::string CheckOutputCurrentValue(float value, bool microAmps) {
    const int high = microAmps ? kCurrentMaxMa * kMicroPerMilli : kCurrentMaxMa;
    if (Within(value, 0.0f, static_cast<float>(high)))
        return {};
    return RangeMessage(0, high);
}

ConditionCheck CheckOutputCurrent(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        if ((d.coat[k].bLayerFlags & kLayerCurrentAuto) != 0)
            continue;
        std::string message = CheckOutputCurrentValue(d.coat[k].fCurrent, false);
        if (!message.empty())
            return Fail(ConditionField::Current, k, message);
    }
    return {};
}

ConditionCheck CheckWt(const MeasFileData& d) {
    if (d.bGasket != kGasketWT)
        return {};
    const std::uint8_t laterFlag = GetWtLaterFlag(d.bWtMode);
    const bool later = laterFlag != 0 && (d.bWtFlags & laterFlag) != 0;
    ConditionCheck r;
    switch (d.bWtMode) {
        case kWtModeRoundRod:
            r = CheckWtValue(ConditionField::WtDiameter, d.fWtDiameter);
            if (r.ok() && !later)
                r = CheckWtValue(ConditionField::WtLength, d.fWtLength);
            return r;
        case kWtModeSquareRod:
            r = CheckWtValue(ConditionField::WtSideA, d.fWtSideA);
            if (r.ok())
                r = CheckWtValue(ConditionField::WtSideB, d.fWtSideB);
            if (r.ok() && !later)
                r = CheckWtValue(ConditionField::WtLength, d.fWtLength);
            return r;
        case kWtModeSmallParts:
            return later ? r : CheckWtValue(ConditionField::WtArea, d.fWtArea);
        case kWtModeDirect:
            return later ? r : CheckWtValue(ConditionField::WtCoef, d.fWtCoef);
        default:
            return Fail(ConditionField::WtMode, -1, kMsgNotSelected);
    }
}

ConditionCheck CheckConditionBeforeSave(const MeasFileData& d) {
    using Check = ConditionCheck (*)(const MeasFileData&);
    for (Check check :
         {CheckTexts, CheckLayersAndBase, CheckRanges, CheckSolutions, CheckAlloyValues,
          CheckBlanking, CheckAutoStop, CheckOutputCurrent, CheckWt}) {
        ConditionCheck r = check(d);
        if (!r.ok())
            return r;
    }
    return {};
}

std::string CombinationNote(const MeasFileData& d) {
    std::string lines;
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const UnderSubstance us = GetUnderSubstance(d, k);
        if (FindCombination(us.coating, us.substance) != nullptr)
            continue;
        lines += GetCoatName(d, k) + " / " + NameBelow(d, k) + "\n";
    }
    if (lines.empty())
        return lines;
    return lines + std::string(kMsgNotApplicableCombination);
}

}  // namespace klv
