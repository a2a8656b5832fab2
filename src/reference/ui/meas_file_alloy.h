#pragma once

#include "reference/ui/meas_file_page.h"

class QLineEdit;
class QPushButton;

namespace klv {

// "Setting alloy coefficient": the Sn and Cu shares of the alloy layer and the content.
class CMeasFileAlloy : public CMeasFilePage {
    Q_OBJECT
public:
    CMeasFileAlloy(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;
    QWidget* ControlFor(ConditionField field, int layer) override;

private:
    bool ReadContent();

    QLineEdit* m_sn;
    QPushButton* m_snReset;
    QLineEdit* m_cu;
    QPushButton* m_cuReset;
    QLabel* m_contentLabel;
    QLineEdit* m_content;
    QLabel* m_contentUnit;
};

}  // namespace klv
