#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QLabel;
class QLineEdit;

namespace klv {

inline constexpr int kIdThicknessDropDialog = 584;

// "Input of thickness value" (584): the thicknesses of consecutive nickel layers, typed or
// dragged from a readout of the graph. Modeless; OK hands the values over, Cancel hands over
// a cancellation.
class CThicknessDrop final : public QDialog {
    Q_OBJECT
public:
    CThicknessDrop(const MeasFileData& d, int firstLayer, int count, Operator& op,
                   QWidget* parent = nullptr);

    QLineEdit* Field(int row) const { return m_fields[std::size_t(row)]; }
    void reject() override;

signals:
    void valuesEntered(const std::vector<float>& values);
    void cancelled();

private:
    void Check();

    Operator& m_op;
    int m_count;
    std::array<QLineEdit*, kMaxLayers> m_fields{};
};

}  // namespace klv
