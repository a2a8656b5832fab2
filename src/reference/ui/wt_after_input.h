#pragma once

#include <QDialog>

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QLineEdit;

namespace klv {

// "Input after WT": the length, area or coefficient of the part just measured. It has only
// OK and cannot be closed otherwise, since the measurement needs the value.
class CWTAfterInput : public QDialog {
    Q_OBJECT
public:
    CWTAfterInput(const MeasFileData& d, Operator& op, QWidget* parent = nullptr);

    // The condition with the value stored and its coefficient.
    const MeasFileData& Condition() const { return m_data; }

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Confirm();

    MeasFileData m_data;
    Operator& m_op;
    QLineEdit* m_edit;
};

// Asks for the value, stores it in `d` and answers the coefficient now in `d`.
float AskWtAfterInput(MeasFileData& d, Operator& op, QWidget* parent);

}  // namespace klv
