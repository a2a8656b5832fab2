#pragma once

#include "reference/ui/meas_file_page.h"

class QComboBox;
class QPushButton;

namespace klv {

// "Setting of pump ·Test solution·Sensitivity": per used layer.
class CMeasFilePump : public CMeasFilePage {
    Q_OBJECT
public:
    CMeasFilePump(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    void ClickSolution(int k);

    QComboBox* m_pump[kMaxLayers];
    QPushButton* m_solution[kMaxLayers];
    QComboBox* m_sensitivity[kMaxLayers];
    std::vector<std::vector<QWidget*>> m_rows;
};

}  // namespace klv
