#pragma once

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// "Sensitivity set": the sensitivity of every layer.
class CMeasItemSensitive : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemSensitive(ConditionEditContext& ctx, const MeasFileData& d, int index,
                       QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    LayerCombos m_combos;
};

}  // namespace klv
