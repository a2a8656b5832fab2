#pragma once

#include "reference/ui/meas_item_combo_dialog.h"

namespace klv {

// "Setting of pump speed": 0-10 Hz for every layer.
class CMeasItemPump : public CMeasItemComboDialog {
    Q_OBJECT
public:
    CMeasItemPump(ConditionEditContext& ctx, const MeasFileData& d, int index,
                  QWidget* parent = nullptr);
};

}  // namespace klv
