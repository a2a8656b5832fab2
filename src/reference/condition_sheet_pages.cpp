#include "reference/condition_sheet_pages.h"

#include "reference/alloy_content_table.h"
#include "reference/condition_rules.h"
#include "reference/solution_combination_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

bool NeedsAlloyPage(const MeasFileData& d) {
    return HasAlloySn(d).has_value() || FindAlloyContent(d) != nullptr;
}

bool AllLayersHaveCombination(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const UnderSubstance us = GetUnderSubstance(d, k);
        if (FindCombination(us.coating, us.substance) == nullptr)
            return false;
    }
    return true;
}

std::vector<ConditionPage> GetConditionPages(const MeasFileData& d, bool wizard, bool calibration) {
    std::vector<ConditionPage> pages{calibration ? ConditionPage::Calibrate
                                                 : ConditionPage::General};
    if (NeedsAlloyPage(d))
        pages.push_back(ConditionPage::Alloy);
    if (!wizard || !AllLayersHaveCombination(d)) {
        pages.push_back(ConditionPage::Pump);
        pages.push_back(ConditionPage::Current);
    }
    if (d.bGasket == kGasketWT && !calibration)
        pages.push_back(ConditionPage::Wt);
    if (!wizard)
        pages.push_back(ConditionPage::AutoStop);
    return pages;
}

bool FirstPageFinishes(const MeasFileData& d, bool calibration) {
    return GetConditionPages(d, true, calibration).size() == 1;
}

std::string_view GetConditionPageTitle(ConditionPage page, bool calibration) {
    switch (page) {
        case ConditionPage::General:
        case ConditionPage::Calibrate:
            return "Basic data";
        case ConditionPage::Alloy:
            return "Coefficient of alloy";
        case ConditionPage::Pump:
            return "Pump.Test solution  . Sensitivity";
        case ConditionPage::Current:
            return "Output current";
        case ConditionPage::Wt:
            return "Coefficient of WT";
        case ConditionPage::AutoStop:
            return calibration ? "Auto stop" : "Auto stop  .  Weight count";
    }
    return {};
}

std::string_view GetConditionPageCaption(ConditionPage page) {
    switch (page) {
        case ConditionPage::General:
            return "Measurement condition set";
        case ConditionPage::Calibrate:
            return "Setting calibration condition";
        case ConditionPage::Alloy:
            return "Setting alloy coefficient";
        case ConditionPage::Pump:
            return "Setting of pump \xB7Test solution\xB7Sensitivity";
        case ConditionPage::Current:
            return "Setting of output current";
        case ConditionPage::Wt:
            return "WT Coefficient";
        case ConditionPage::AutoStop:
            return "Setting of Auto stop Weight count";
    }
    return {};
}

std::string_view GetConditionSheetCaption(bool calibration) {
    return calibration ? "Set a calibration condition" : "Set a measurement condition";
}

}  // namespace klv
