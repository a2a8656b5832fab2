#pragma once

#include <QDialog>
#include <array>
#include <span>
#include <vector>

#include "base/operator.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

class QLineEdit;

namespace klv {

// "Measurement data correction": one edit per layer with the data's value in the unit. OK
// accepts only numbers that are not negative; Values() then holds them.
class CStatMsrdModify : public QDialog {
    Q_OBJECT
public:
    CStatMsrdModify(const MeasFileData& d, std::span<const MsrLogRecord> records, Operator& op,
                    QWidget* parent = nullptr);

    void accept() override;
    const std::vector<float>& Values() const { return m_values; }

private:
    Operator& m_op;
    int m_layers;
    std::array<QLineEdit*, kMaxLayers> m_edits{};
    std::vector<float> m_values;
};

}  // namespace klv
