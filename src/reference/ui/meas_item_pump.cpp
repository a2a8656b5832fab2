#include "reference/ui/meas_item_pump.h"

#include "reference/condition_items.h"

namespace klv {

namespace {

QStringList PumpSpeeds() {
    QStringList speeds;
    for (int hz = 0; hz <= kPumpSpeedMax; ++hz)
        speeds << QString::number(hz);
    return speeds;
}

}  // namespace

CMeasItemPump::CMeasItemPump(ConditionEditContext& ctx, const MeasFileData& d, int index,
                             QWidget* parent)
    : CMeasItemComboDialog({"measItemPump", "Setting of pump speed", "Pump[Hz]", "pumpCombo",
                            PumpSpeeds(), &LayerCondition::bPump, 0},
                           ctx, d, index, parent) {}

}  // namespace klv
