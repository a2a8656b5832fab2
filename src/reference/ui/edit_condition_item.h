#pragma once

#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"

class QWidget;

namespace klv {

// Command 32880..32887 -> its item dialog on a copy of the channel's condition; true when the
// condition was changed and written, and `d` then holds it. Other ids show nothing.
bool EditConditionItem(int commandId, ConditionEditContext& ctx, MeasFileData& d, int index,
                       QWidget* parent);

}  // namespace klv
