#pragma once

#include "reference/ui/meas_item_dialog.h"

class QCheckBox;
class QLineEdit;

namespace klv {

// "Setting of Auto stop": per layer "Nil" or the thickness at which the layer stops, with the
// reference thicknesses of the gaskets as guidance.
class CMeasItemAutoStop : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemAutoStop(ConditionEditContext& ctx, const MeasFileData& d, int index,
                      QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    bool ReadLayer(MeasFileData& d, int k);

    std::array<QCheckBox*, kMaxLayers> m_nil{};
    std::array<QLineEdit*, kMaxLayers> m_edits{};
    // An edit the operator did not touch keeps the stored value, so no rounding creeps in.
    std::array<bool, kMaxLayers> m_edited{};
};

}  // namespace klv
