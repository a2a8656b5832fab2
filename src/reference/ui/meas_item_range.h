#pragma once

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// "Setting of current range": the range of every layer, only as the unit allows it. An alloy
// layer shows the range of the layer above it.
class CMeasItemRange : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemRange(ConditionEditContext& ctx, const MeasFileData& d, int index,
                   QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    LayerCombos m_combos;
};

}  // namespace klv
