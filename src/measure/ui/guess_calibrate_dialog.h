#pragma once

#include <QDialog>
#include <string>

#include "base/clock.h"
#include "base/operator.h"
#include "reference/calibration_store.h"

class QComboBox;
class QLineEdit;

namespace klv {

inline constexpr int kIdGuessCalibrateDialog = 541;

// "Guess value" (dialog 541): the operator types a gasket's calibration value.
class CGuessCalibrate final : public QDialog {
    Q_OBJECT
public:
    CGuessCalibrate(CalibrationStore& store, std::string path, Operator& op, Clock& clock,
                    int gasket, QWidget* parent = nullptr);

    // "OK" and "Application(&A)": true when the value was stored and written.
    bool Apply();

private:
    void ShowValue();

    CalibrationStore& m_store;
    std::string m_path;
    Operator& m_op;
    Clock& m_clock;
    QComboBox* m_gasket = nullptr;
    QLineEdit* m_value = nullptr;
};

}  // namespace klv
