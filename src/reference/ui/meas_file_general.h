#pragma once

#include "reference/ui/meas_file_structure_page.h"

class QLineEdit;

namespace klv {

// "Measurement condition set": the names of the condition and its layer structure.
class CMeasFileGeneral : public CMeasFileStructurePage {
    Q_OBJECT
public:
    CMeasFileGeneral(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    QLineEdit* m_fileName;
    QLineEdit* m_customer;
    QLineEdit* m_goods;
    QLineEdit* m_lot;
    QLineEdit* m_tester;
};

}  // namespace klv
