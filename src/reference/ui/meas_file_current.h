#pragma once

#include "reference/ui/meas_file_page.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace klv {

// "Setting of output current": automatic or typed current per used layer, in mA or µA.
class CMeasFileCurrent : public CMeasFilePage {
    Q_OBJECT
public:
    CMeasFileCurrent(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    void SwitchUnit(bool micro);
    void ToggleAuto(int k, bool on);
    void ShowCurrent(int k);
    // The typed current of layer k in mA; false after the message at the edit.
    bool ReadCurrent(int k, float& milliAmps);
    void ConfirmOutput(int k);

    QRadioButton* m_mA;
    QRadioButton* m_uA;
    QCheckBox* m_auto[kMaxLayers];
    QLineEdit* m_current[kMaxLayers];
    QPushButton* m_confirm[kMaxLayers];
    std::vector<std::vector<QWidget*>> m_rows;
    bool m_micro = false;
};

}  // namespace klv
