#pragma once

#include "reference/ui/meas_item_dialog.h"

class QPushButton;

namespace klv {

// "Setting of test solution": per layer a box showing the test solution; a click opens the
// test-solution selection.
class CMeasItemSolution : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemSolution(ConditionEditContext& ctx, const MeasFileData& d, int index,
                      QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    void ChooseSolution(int k);

    std::array<QPushButton*, kMaxLayers> m_boxes{};
    std::array<int, kMaxLayers> m_solutions{};
};

}  // namespace klv
