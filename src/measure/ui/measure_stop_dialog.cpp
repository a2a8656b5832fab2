#include "measure/ui/measure_stop_dialog.h"

namespace klv {

namespace {

constexpr CRadioChoiceDialog::Choice kChoices[] = {
    {kStopKeepData, "Keep this as data."},
    {kStopChangeData, "Change the data"},
    {kStopThicker, "Thicker than the prospected thickness value."},
    {kStopDiscard, "Don't keep it as data."},
};

}  // namespace

CMeasureStop::CMeasureStop(QWidget* parent)
    : CRadioChoiceDialog("CMeasureStop", "Stop measurement", "Measurment has stopped.  What to do?",
                         kChoices, parent) {}

}  // namespace klv
