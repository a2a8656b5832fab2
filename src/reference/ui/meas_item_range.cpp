#include "reference/ui/meas_item_range.h"

#include <QComboBox>
#include <algorithm>

#include "base/ui/validation_message.h"
#include "reference/condition_checks.h"
#include "reference/layer_setting_tables.h"

namespace klv {

CMeasItemRange::CMeasItemRange(ConditionEditContext& ctx, const MeasFileData& d, int index,
                               QWidget* parent)
    : CMeasItemComboDialog(
          {"measItemRange", "Setting of current range", "Range", "rangeCombo",
           CodeTexts(kCurrentRangeCount, GetRangeName), &LayerCondition::bRange, 1},
          ctx, d, index, parent) {
    for (int k = 1; k < GetCoatCount(Data()); ++k) {
        if (!IsAlloyLayer(Data().coat[k]))
            continue;
        QComboBox* alloy = Combos()[k];
        alloy->setEnabled(false);
        alloy->setCurrentIndex(Combos()[k - 1]->currentIndex());
        connect(Combos()[k - 1], &QComboBox::currentIndexChanged, alloy,
                &QComboBox::setCurrentIndex);
    }
}

bool CMeasItemRange::ReadControls(MeasFileData& d) {
    // Alloy layers' combos follow the layer above, so the two keep sharing their range.
    if (!CMeasItemComboDialog::ReadControls(d))
        return false;
    const ConditionCheck check = CheckRanges(d);
    if (check.ok())
        return true;
    // An alloy layer takes its range from the layer above, whose combo is the one to change.
    int k = std::max(check.layer, 0);
    while (k > 0 && !Combos()[k]->isEnabled())
        --k;
    ShowValidationMessage(Op(), Combos()[k], check.message);
    return false;
}

}  // namespace klv
