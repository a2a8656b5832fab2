#include "reference/ui/meas_item_sensitive.h"

#include <QComboBox>

#include "base/ui/text_codec.h"
#include "reference/layer_setting_tables.h"

namespace klv {

CMeasItemSensitive::CMeasItemSensitive(ConditionEditContext& ctx, const MeasFileData& d,
                                       int index, QWidget* parent)
    : CMeasItemDialog("measItemSensitive", "Sensitivity set", ctx, d, index, parent) {
    m_combos = AddLayerCombos(0, ToQString("Sensitivity"), "sensitivityCombo",
                              CodeTexts(kSensitivityCount, GetSensitivityName),
                              [](const LayerCondition& c) { return c.bSensitivity - 1; });
}

bool CMeasItemSensitive::ReadControls(MeasFileData& d) {
    if (!CombosSelected(m_combos))
        return false;
    for (int k = 0; k < GetCoatCount(d); ++k)
        d.coat[k].bSensitivity = static_cast<std::uint8_t>(m_combos[k]->currentIndex() + 1);
    return true;
}

}  // namespace klv
