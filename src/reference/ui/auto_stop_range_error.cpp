#include "reference/ui/auto_stop_range_error.h"

#include "base/ui/validation_message.h"
#include "reference/validation_messages.h"

namespace klv {

void ShowAutoStopRangeError(Operator& op, QWidget* control, const MeasFileData& d, int k) {
    ShowValidationMessage(op, control, AutoStopRangeMessage(d, k));
}

}  // namespace klv
