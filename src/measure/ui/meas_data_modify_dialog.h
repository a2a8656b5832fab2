#pragma once

#include <QDialog>
#include <QLineEdit>

#include "base/operator.h"
#include "measure/run_dialogs.h"
#include "reference/meas_file_data.h"

namespace klv {

// "Correction of the measurement value" (dialog 563): the operator's own value of a stopped
// layer. Only a non-negative number is accepted; Escape does not close it.
class CMeasDataModify final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = kIdMeasDataModifyDialog;
    static constexpr int kMaxChars = 6;
    CMeasDataModify(float valueInUnit, const MeasFileData& d, int k, Operator& op,
                    QWidget* parent = nullptr);

    float Value() const { return m_value; }
    void accept() override;
    void reject() override {}

private:
    Operator& m_operator;
    QLineEdit* m_edit = nullptr;
    float m_value;
};

}  // namespace klv
