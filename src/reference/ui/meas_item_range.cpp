#include "reference/ui/meas_item_range.h"

#include <QComboBox>
#include <algorithm>

#include "base/ui/text_codec.h"
#include "reference/condition_checks.h"
#include "reference/condition_items.h"
#include "reference/layer_setting_tables.h"
#include "results/ui/validation_message.h"

namespace klv {

CMeasItemRange::CMeasItemRange(ConditionEditContext& ctx, const MeasFileData& d, int index,
                               QWidget* parent)
    : CMeasItemDialog("measItemRange", "Setting of current range", ctx, d, index, parent) {
    m_combos = AddLayerCombos(0, ToQString("Range"), "rangeCombo",
                              CodeTexts(kCurrentRangeCount, GetRangeName),
                              [](const LayerCondition& c) { return c.bRange - 1; });
    for (int k = 1; k < GetCoatCount(Data()); ++k) {
        if (!IsAlloyLayer(Data().coat[k]))
            continue;
        m_combos[k]->setEnabled(false);
        QComboBox* below = m_combos[k];
        connect(m_combos[k - 1], &QComboBox::currentIndexChanged, below,
                &QComboBox::setCurrentIndex);
    }
}

bool CMeasItemRange::ReadControls(MeasFileData& d) {
    if (!CombosSelected(m_combos))
        return false;
    for (int k = 0; k < GetCoatCount(d); ++k)
        SetLayerRange(d, k, m_combos[k]->currentIndex() + 1);
    const ConditionCheck check = CheckRanges(d);
    if (check.ok())
        return true;
    // An alloy layer takes its range from the layer above, whose combo is the one to change.
    int k = std::max(check.layer, 0);
    while (k > 0 && !m_combos[k]->isEnabled())
        --k;
    ShowValidationMessage(Op(), m_combos[k], check.message);
    return false;
}

}  // namespace klv
