#pragma once

#include <QLineEdit>

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// "Setting of blanking time": 0-40 seconds for every layer.
class CMeasItemBlanking : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemBlanking(ConditionEditContext& ctx, const MeasFileData& d, int index,
                      QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    std::array<QLineEdit*, kMaxLayers> m_edits{};
};

}  // namespace klv
