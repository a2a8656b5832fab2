#pragma once

#include "reference/ui/meas_item_combo_dialog.h"

namespace klv {

// "Setting of current range": the range of every layer, only as the unit allows it. An alloy
// layer shows the range of the layer above it.
class CMeasItemRange : public CMeasItemComboDialog {
    Q_OBJECT
public:
    CMeasItemRange(ConditionEditContext& ctx, const MeasFileData& d, int index,
                   QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;
};

}  // namespace klv
