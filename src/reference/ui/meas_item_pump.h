#pragma once

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// "Setting of pump speed": 0-10 Hz for every layer.
class CMeasItemPump : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemPump(ConditionEditContext& ctx, const MeasFileData& d, int index,
                  QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    LayerCombos m_combos;
};

}  // namespace klv
