#include "measure/ui/cal_data_error_dialog.h"

namespace klv {

namespace {

constexpr CRadioChoiceDialog::Choice kChoices[] = {
    {kCalReplaceGasket, "After replacing the gasket, calibrate again"},
    {kCalChangeCondition, "After change of measurement condition, calibrate again"},
    {kCalCancelThisTime, "Cancel this time measurement"},
};

}  // namespace

CCalDataError::CCalDataError(QWidget* parent)
    : CRadioChoiceDialog("CCalDataError", "Bad calibration",
                         "Out of the range for correction guarantee", kChoices, parent) {}

}  // namespace klv
