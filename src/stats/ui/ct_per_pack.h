#pragma once

#include <QDialog>

#include "base/operator.h"

class QLineEdit;

namespace klv {

// "Setting of one group data number": asked when the groups differ in size. It cannot be
// cancelled and always yields 2 ... 999.
class CCtPerPack : public QDialog {
    Q_OBJECT
public:
    CCtPerPack(Operator& op, QWidget* parent);

    int Value() const { return m_value; }
    void accept() override;
    void reject() override {}

private:
    Operator& m_op;
    QLineEdit* m_edit;
    int m_value = 2;
};

// Runs the dialog after the exclamation beep and answers its value.
int AskGroupDataNumber(Operator& op, QWidget* parent);

}  // namespace klv
