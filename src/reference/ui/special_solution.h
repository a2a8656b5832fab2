#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QListWidget;

namespace klv {

// "Test solution for a special material": one solution pair per tin-type layer over an
// alloy layer.
class CSpecialSolution : public QDialog {
    Q_OBJECT
public:
    // OK applies the chosen pairs to d.
    CSpecialSolution(MeasFileData& d, Operator& op, QWidget* parent = nullptr);

    void accept() override;

private:
    MeasFileData& m_data;
    Operator& m_op;
    std::array<QListWidget*, 4> m_lists{};
};

}  // namespace klv
