#pragma once

#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"
#include "reference/ui/meas_file_sheet_seams.h"

class QWidget;

namespace klv {

// Edits the channel's condition in the condition sheet. Without `calibration` the confirmed
// condition is written first; true when d took the confirmed condition. A failed write
// leaves d as it was.
bool EditCondition(ConditionEditContext& ctx, MeasFileData& d, int index, bool calibration,
                   QWidget* parent);
// The same with the sheet's dialogs replaced.
bool EditCondition(ConditionEditContext& ctx, MeasFileData& d, int index, bool calibration,
                   QWidget* parent, MeasFileSheetSeams seams);

}  // namespace klv
