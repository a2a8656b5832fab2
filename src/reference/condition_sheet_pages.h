#pragma once

#include <string_view>
#include <vector>

#include "reference/meas_file_data.h"

namespace klv {

// The pages of the condition sheet, in sheet order.
enum class ConditionPage { General, Calibrate, Alloy, Pump, Current, Wt, AutoStop };

// SO, Sn or SnW over an alloy layer, or a coating of the alloy content table.
bool NeedsAlloyPage(const MeasFileData& d);
// Every used layer's coating and under-substance has a solution combination row.
bool AllLayersHaveCombination(const MeasFileData& d);

// The pages the sheet shows for the condition: the wizard leaves out what the combination
// defaults fill and the auto stop page; the calibration sheet never has the WT page.
std::vector<ConditionPage> GetConditionPages(const MeasFileData& d, bool wizard, bool calibration);
// The wizard can finish on its first page: no further page is needed.
bool FirstPageFinishes(const MeasFileData& d, bool calibration);

// The tab title of a page in the tabbed sheet.
std::string_view GetConditionPageTitle(ConditionPage page, bool calibration);
// The caption of a page's own dialog, shown above the page in the wizard.
std::string_view GetConditionPageCaption(ConditionPage page);
// The title of the whole sheet, wizard or tabbed.
std::string_view GetConditionSheetCaption(bool calibration);

}  // namespace klv
