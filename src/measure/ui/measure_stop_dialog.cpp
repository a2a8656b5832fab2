#include "measure/ui/measure_stop_dialog.h"

#include "base/ui/text_codec.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr CRadioChoiceDialog::Choice kChoices[] = {
    {kStopKeepData, "Keep this as data."},
    {kStopChangeData, "Change the data"},
    {kStopThicker, "Thicker than the prospected thickness value."},
    {kStopDiscard, "Don't keep it as data."},
};

}  // namespace

CMeasureStop::CMeasureStop(float valueInUnit, const MeasFileData& d, int k, QWidget* parent)
    : CRadioChoiceDialog("CMeasureStop", "Stop measurement", "Measurment has stopped.  What to do?",
                         kChoices, parent) {
    ShowValues(QStringLiteral("Measurement value: ") +
               ToQString(FormatLayerValue(valueInUnit, d, k, false, false)).trimmed() +
               QStringLiteral(" ") + ToQString(std::string(GetUnitName(d.bUnit))));
}

}  // namespace klv
