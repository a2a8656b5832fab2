#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "base/profile.h"

class QSpinBox;

namespace klv {

// "Calibration interval": the days after its calibration that each gasket falls due
// (0 = never), kept in the settings file.
class CCalibrationInterval final : public QDialog {
    Q_OBJECT
public:
    CCalibrationInterval(ProfileFile& ini, Operator& op, QWidget* parent = nullptr);
    void accept() override;

private:
    ProfileFile& m_ini;
    Operator& m_op;
    std::array<QSpinBox*, 3> m_days{};
};

}  // namespace klv
