#include "reference/ui/meas_item_pump.h"

#include <QComboBox>

#include "base/ui/text_codec.h"
#include "reference/condition_items.h"

namespace klv {

CMeasItemPump::CMeasItemPump(ConditionEditContext& ctx, const MeasFileData& d, int index,
                             QWidget* parent)
    : CMeasItemDialog("measItemPump", "Setting of pump speed", ctx, d, index, parent) {
    QStringList speeds;
    for (int hz = 0; hz <= kPumpSpeedMax; ++hz)
        speeds << QString::number(hz);
    m_combos = AddLayerCombos(0, ToQString("Pump[Hz]"), "pumpCombo", speeds,
                              [](const LayerCondition& c) { return int(c.bPump); });
}

bool CMeasItemPump::ReadControls(MeasFileData& d) {
    if (!CombosSelected(m_combos))
        return false;
    for (int k = 0; k < GetCoatCount(d); ++k)
        d.coat[k].bPump = static_cast<std::uint8_t>(m_combos[k]->currentIndex());
    return true;
}

}  // namespace klv
