#include "reference/ui/meas_item_sensitive.h"

#include "reference/layer_setting_tables.h"

namespace klv {

CMeasItemSensitive::CMeasItemSensitive(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                       QWidget* parent)
    : CMeasItemComboDialog(
          {"measItemSensitive", "Sensitivity set", "Sensitivity", "sensitivityCombo",
           CodeTexts(kSensitivityCount, GetSensitivityName), &LayerCondition::bSensitivity, 1},
          ctx, d, index, parent) {}

}  // namespace klv
