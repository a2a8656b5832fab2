#include "measure/ui/cal_data_error_dialog.h"

namespace klv {

namespace {

constexpr CRadioChoiceDialog::Choice kChoices[] = {
    {kCalReplaceGasket, "After replacing the gasket, calibrate again"},
    {kCalChangeCondition, "After change of measurement condition, calibrate again"},
    {kCalCancelThisTime, "Cancel this time measurement"},
};

}  // namespace

CCalDataError::CCalDataError(const QString& measured, const QString& standard,
                             const QString& deviation, QWidget* parent)
    : CRadioChoiceDialog("CCalDataError", "Bad calibration",
                         "Out of the range for correction guarantee", kChoices, parent) {
    ShowValues(QStringLiteral("Measurement value: %1\nThickness Standard: %2\nDeviation: %3")
                   .arg(measured, standard, deviation));
}

}  // namespace klv
