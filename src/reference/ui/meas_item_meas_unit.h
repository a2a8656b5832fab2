#pragma once

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// "Setting of unit": the display unit of the condition, only one every layer's range allows.
class CMeasItemMeasUnit : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemMeasUnit(ConditionEditContext& ctx, const MeasFileData& d, int index,
                      QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    QComboBox* m_unit;
};

}  // namespace klv
