#pragma once

#include "reference/ui/meas_item_combo_dialog.h"

namespace klv {

// "Sensitivity set": the sensitivity of every layer.
class CMeasItemSensitive : public CMeasItemComboDialog {
    Q_OBJECT
public:
    CMeasItemSensitive(ConditionEditContext& ctx, const MeasFileData& d, int index,
                       QWidget* parent = nullptr);
};

}  // namespace klv
