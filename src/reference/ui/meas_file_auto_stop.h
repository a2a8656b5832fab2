#pragma once

#include "reference/ui/meas_file_page.h"

class QCheckBox;
class QLineEdit;

namespace klv {

// "Setting of Auto stop Weight count": blanking time and auto stop per used layer, and the
// plating weight count.
class CMeasFileAutoStop : public CMeasFilePage {
    Q_OBJECT
public:
    CMeasFileAutoStop(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    bool ConfirmLayer(int k);

    QLineEdit* m_blanking[kMaxLayers];
    QCheckBox* m_nil[kMaxLayers];
    QLineEdit* m_autoStop[kMaxLayers];
    QLabel* m_unit[kMaxLayers];
    QLabel* m_reference;
    QCheckBox* m_weightCount;
    std::vector<std::vector<QWidget*>> m_rows;
};

}  // namespace klv
