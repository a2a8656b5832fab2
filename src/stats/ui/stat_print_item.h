#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "reference/meas_file_data.h"
#include "stats/statistics_reports.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace klv {

// "Selection of print out item": what the measurement-data report prints and over which
// data. OK checks the range and stores the items and the line mode in the condition.
class CStatPrintItem : public QDialog {
    Q_OBJECT
public:
    CStatPrintItem(MeasFileData& d, bool senderPresent, Operator& op, QWidget* parent = nullptr);

    void accept() override;
    PrintRange Range() const { return m_range; }

private:
    void UpdatePrintButton();

    MeasFileData& m_d;
    Operator& m_op;
    std::uint32_t m_count;
    std::array<QCheckBox*, 11> m_items{};
    QLineEdit* m_first = nullptr;
    QLineEdit* m_last = nullptr;
    QComboBox* m_lineMode = nullptr;
    QPushButton* m_print = nullptr;
    PrintRange m_range;
};

}  // namespace klv
