#pragma once

#include "reference/ui/meas_item_dialog.h"

class QLineEdit;
class QPushButton;

namespace klv {

struct AlloyContentRow;

// "Setting of alloy coefficient": the Sn and Cu shares of the alloy layer and the content of
// the alloy coating, where the condition has them.
class CMeasItemAlloy : public CMeasItemDialog {
    Q_OBJECT
public:
    CMeasItemAlloy(ConditionEditContext& ctx, const MeasFileData& d, int index,
                   QWidget* parent = nullptr);

protected:
    bool ReadControls(MeasFileData& d) override;

private:
    QLineEdit* AddCoefficientRow(const char* label, const char* name, float value, float standard,
                                 bool enabled);
    void AddContentRow(int content);
    bool ReadCoefficient(QLineEdit* edit, float& value);
    bool ReadContent(MeasFileData& d);

    const AlloyContentRow* m_contentRow;
    QLineEdit* m_sn;
    QLineEdit* m_cu;
    QLineEdit* m_content = nullptr;
};

}  // namespace klv
