#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "stats/statistics_selection.h"

class QLineEdit;
class QRadioButton;

namespace klv {

// "Setting of statistics mode": the group mode with its ranges, intervals and group size.
// OK checks the edits and stores them in the selection; Cancel leaves it as it was.
class CStatModeSetting : public QDialog {
    Q_OBJECT
public:
    CStatModeSetting(StatisticsSelection& selection, Operator& op, QWidget* parent = nullptr);

    void accept() override;

private:
    StatisticsSelection& m_selection;
    Operator& m_op;
    std::array<QRadioButton*, 5> m_modes{};
    // First, last, beginning, intervals, group size: the order OK checks them in.
    std::array<QLineEdit*, 5> m_edits{};
};

}  // namespace klv
