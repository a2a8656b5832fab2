#pragma once

#include "reference/ui/meas_file_page.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace klv {

// "WT Coefficient": the geometry of wires and small parts, or the coefficient itself.
class CMeasFileWT : public CMeasFilePage {
    Q_OBJECT
public:
    CMeasFileWT(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    // One mode's radio button, its edits and its "later" box, whose edit it disables.
    struct Mode {
        QRadioButton* radio;
        std::vector<QLineEdit*> edits;
        QCheckBox* later;
        QLineEdit* laterEdit;
    };
    int CheckedMode() const;
    void EnableModes();
    // Reads a value that must be above 0; false after the message at the edit.
    bool ReadPositive(QLineEdit* edit, float& value);

    QLineEdit* m_diameter;
    QLineEdit* m_roundLength;
    QLineEdit* m_sideA;
    QLineEdit* m_sideB;
    QLineEdit* m_squareLength;
    QLineEdit* m_area;
    QLineEdit* m_coef;
    std::vector<Mode> m_modes;
};

}  // namespace klv
